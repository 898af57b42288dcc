// picture-maker: draws the course's pictures and writes them as 24-bit
// uncompressed bitmap files.
//
//   picture-maker course DIR       the data-folder and unit-folder pictures
//   picture-maker navigation DIR   the seven navigation button bitmaps
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include "course/picture_catalogue.h"
#include "course/pictures.h"
#include "platform/tool_options.h"

namespace course {
namespace {

struct Drawing {
    std::string_view name;
    QImage (*draw)();
};

const Drawing kDrawings[] = {
    {"ﾎﾟｺ.BMP", [] { return mascot_picture(Child::Boy, Mood::Smiling); }},
    {"ﾐﾙ.BMP", [] { return mascot_picture(Child::Girl, Mood::Smiling); }},
    {"ﾎﾟｺ2.BMP", [] { return mascot_picture(Child::Boy, Mood::Beaming); }},
    {"ﾐﾙ2.BMP", [] { return mascot_picture(Child::Girl, Mood::Beaming); }},
    {"ｻｲｹ.BMP", strip_picture},
    {"ｽﾄﾗｲﾌﾟ.BMP", stripe_picture},
    {"PF.BMP", [] { return mascot_face(Child::Boy); }},
    {"MF.BMP", [] { return mascot_face(Child::Girl); }},
    {"mf.BMP", [] { return mascot_face(Child::Girl); }},
    {"pl.BMP", [] { return mascot_pose(Child::Boy, Pose::PointingLeft); }},
    {"pr.BMP", [] { return mascot_pose(Child::Boy, Pose::PointingRight); }},
    {"ml.BMP", [] { return mascot_pose(Child::Girl, Pose::PointingLeft); }},
    {"mr.BMP", [] { return mascot_pose(Child::Girl, Pose::PointingRight); }},
    {"右指.BMP", [] { return pointing_hand(Direction::Right); }},
    {"左指.BMP", [] { return pointing_hand(Direction::Left); }},
    {"上指.BMP", [] { return pointing_hand(Direction::Up); }},
    {"下指.BMP", [] { return pointing_hand(Direction::Down); }},
    {"天秤1.BMP", [] { return balance_picture(Tilt::Level); }},
    {"天秤2.BMP", [] { return balance_picture(Tilt::LeftDown); }},
    {"天秤3.BMP", [] { return balance_picture(Tilt::RightDown); }},
    {"BEFOR.BMP", [] { return navigation_bitmap(NavigationButton::Befor); }},
    {"LAST.BMP", [] { return navigation_bitmap(NavigationButton::Last); }},
    {"NEXT.BMP", [] { return navigation_bitmap(NavigationButton::Next); }},
    {"WHERE.BMP", [] { return navigation_bitmap(NavigationButton::Where); }},
    {"HEAD.BMP", [] { return navigation_bitmap(NavigationButton::Head); }},
    {"TOP.BMP", [] { return navigation_bitmap(NavigationButton::Top); }},
    {"EXIT.BMP", [] { return navigation_bitmap(NavigationButton::Exit); }},
};

QImage draw(const PictureFile& file) {
    for (const Drawing& drawing : kDrawings) {
        if (drawing.name != file.name) continue;
        const QImage picture = drawing.draw().convertToFormat(QImage::Format_RGB32);
        if (picture.width() != file.width || picture.height() != file.height)
            throw std::logic_error("the drawing of " + std::string(file.name) + " has the wrong size");
        return picture;
    }
    throw std::logic_error("there is no drawing of " + std::string(file.name));
}

// Qt writes an opaque 32-bit image as a 24-bit uncompressed bitmap.
void write_picture(const PictureFile& file, const QDir& folder) {
    const QString path = folder.filePath(QString::fromUtf8(file.name.data(), file.name.size()));
    if (!draw(file).save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void write_pictures(bool navigation, const QString& folder_name) {
    if (!QDir().mkpath(folder_name))
        throw std::runtime_error("cannot create the folder " + folder_name.toStdString());
    const QDir folder(folder_name);
    for (const PictureFile& file : kPictureFiles)
        if ((file.folder == Folder::Navigation) == navigation) write_picture(file, folder);
}

constexpr std::string_view kUsage =
    "usage: picture-maker course DIR       the data-folder and unit-folder pictures\n"
    "       picture-maker navigation DIR   the seven navigation button bitmaps\n";

}  // namespace
}  // namespace course

int main(int argc, char** argv) {
    if (const auto answered = platform::answer_options(argc, argv, course::kUsage)) return *answered;
    if (argc != 3) return platform::refuse_call(course::kUsage);
    const std::string_view mode = argv[1];
    if (mode != "course" && mode != "navigation") return platform::refuse_call(course::kUsage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        course::write_pictures(mode == "navigation", QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picture-maker: %s\n", error.what());
        return 1;
    }
    return 0;
}
