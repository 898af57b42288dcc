#include "platform/fonts.h"

#include <array>

namespace platform {
namespace {

struct FaceFamily {
    std::string_view face;
    const char* family;
};

constexpr const char* kFixedMincho = "IPAMincho";

constexpr std::array<FaceFamily, 6> kFaces{{
    {"標準明朝", kFixedMincho},
    {"ＭＳ 明朝", kFixedMincho},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"$ＪＳゴシック", "IPAGothic"},
    {"FixedSys", "IPAGothic"},
}};

}  // namespace

QString font_family(std::string_view face) {
    for (const auto& known : kFaces)
        if (known.face == face) return QString::fromLatin1(known.family);
    return QString::fromLatin1(kFixedMincho);
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
