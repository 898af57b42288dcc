// Looks at the screen of a real X server: grabs its root window into a PNG
// and counts, for each area asked, the pixels of one colour in it.
//
//   root-colours OUT.png [X,Y,W,H=RRGGBB ...]
//
// prints one count per area, in the order given.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/tool_options.h"

namespace {

constexpr std::string_view kUsage =
    "usage: root-colours OUT.png [X,Y,W,H=RRGGBB ...]\n"
    "  grabs the screen of the X server in DISPLAY into OUT.png and prints, one a\n"
    "  line, how many pixels of each area have the colour given\n";

struct Area {
    QRect rect;
    QRgb colour;
};

// "X,Y,W,H=RRGGBB"; nothing when it is not that.
std::optional<Area> read_area(const QString& text) {
    static const QRegularExpression form(
        R"(^(\d+),(\d+),(\d+),(\d+)=([0-9A-Fa-f]{6})$)");
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QRect rect(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt(), match.captured(4).toInt());
    return Area{rect, QRgb(match.captured(5).toUInt(nullptr, 16))};
}

int count(const QImage& screen, const Area& area) {
    int found = 0;
    const QRect inside = area.rect & screen.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((screen.pixel(x, y) & RGB_MASK) == area.colour) ++found;
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = platform::answer_options(argc, argv, kUsage)) return *answered;
    if (argc < 2) return platform::refuse_call(kUsage);
    qputenv("QT_QPA_PLATFORM", "xcb");   // the X server named by DISPLAY
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    std::vector<Area> areas;
    for (const QString& argument : arguments.mid(2)) {
        const std::optional<Area> area = read_area(argument);
        if (!area) {
            std::fprintf(stderr, "root-colours: not an area: %s\n", qPrintable(argument));
            return 2;
        }
        areas.push_back(*area);
    }

    const QImage screen = app.primaryScreen()->grabWindow(0).toImage();
    if (screen.isNull() || !screen.save(arguments[1], "PNG")) {
        std::fprintf(stderr, "root-colours: cannot grab the screen into %s\n",
                     qPrintable(arguments[1]));
        return 1;
    }
    for (const Area& area : areas) std::printf("%d\n", count(screen, area));
    return 0;
}
