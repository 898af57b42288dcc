#include "platform/fonts.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

constexpr int kFormDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

struct FaceFamily {
    std::string_view face;
    const char* family;
};

constexpr const char* kFixedMincho = "IPAMincho";
constexpr const char* kFixedGothic = "IPAGothic";

// The proportional Gothic the controls ask for has half-width digits half an
// em wide, as the forms' fields are measured for; the installed proportional
// Gothic draws them wider (11 pixels at 18), the fixed-pitch one at half an
// em, so the fixed-pitch one stands in for it.
constexpr std::array<FaceFamily, 6> kFaces{{
    {"標準明朝", kFixedMincho},
    {"ＭＳ 明朝", kFixedMincho},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ Ｐゴシック", kFixedGothic},
    {"$ＪＳゴシック", kFixedGothic},
    {"FixedSys", kFixedGothic},
}};

}  // namespace

QString font_family(std::string_view face) {
    for (const auto& known : kFaces)
        if (known.face == face) return QString::fromLatin1(known.family);
    return QString::fromLatin1(kFixedMincho);
}

int pixels_of_points(int points) {
    return std::max(1, points * kFormDotsPerInch / kPointsPerInch);
}

QFont make_font(std::string_view face, int pixel_size) {
    QFont font(font_family(face));
    font.setPixelSize(pixel_size);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

}  // namespace platform
