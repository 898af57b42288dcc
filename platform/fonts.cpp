#include "platform/fonts.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

constexpr int kFormDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

struct FaceFamily {
    std::string_view face;
    const char* family;        // text, captions, labels
    const char* field_family;  // what is typed in an edit field
};

constexpr const char* kFixedMincho = "IPAMincho";
constexpr const char* kFixedGothic = "IPAGothic";

// A proportional face the programs ask for has letters of their own widths
// and half-width digits half an em wide, as the forms' fields are measured
// for.  The installed proportional faces draw those digits wider (11 pixels
// at 18), so in an edit field their fixed-pitch siblings, whose digits are
// half an em, stand in for them.
constexpr std::array<FaceFamily, 6> kFaces{{
    {"標準明朝", kFixedMincho, kFixedMincho},
    {"ＭＳ 明朝", kFixedMincho, kFixedMincho},
    {"ＭＳ Ｐ明朝", "IPAPMincho", kFixedMincho},
    {"ＭＳ Ｐゴシック", "IPAPGothic", kFixedGothic},
    {"$ＪＳゴシック", kFixedGothic, kFixedGothic},
    {"FixedSys", kFixedGothic, kFixedGothic},
}};

const FaceFamily* known_face(std::string_view face) {
    for (const auto& known : kFaces)
        if (known.face == face) return &known;
    return nullptr;
}

}  // namespace

QString font_family(std::string_view face) {
    const FaceFamily* known = known_face(face);
    return QString::fromLatin1(known ? known->family : kFixedMincho);
}

QString field_font_family(std::string_view face) {
    const FaceFamily* known = known_face(face);
    return QString::fromLatin1(known ? known->field_family : kFixedMincho);
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
