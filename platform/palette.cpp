#include "platform/palette.h"

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr std::array<Rgb, kPaletteSize> kNewFormColours{{
    {0, 0, 0},       {128, 128, 128}, {0, 0, 128},   {0, 0, 255},
    {128, 0, 0},     {255, 0, 0},     {128, 0, 128}, {255, 0, 255},
    {0, 128, 0},     {0, 255, 0},     {0, 128, 128}, {0, 255, 255},
    {128, 128, 0},   {255, 255, 0},   {192, 192, 192}, {255, 255, 255},
}};

bool is_part(int value) { return value >= 0 && value <= 255; }

}  // namespace

QRgb to_qrgb(Rgb colour) {
    if (!is_part(colour.red) || !is_part(colour.green) || !is_part(colour.blue))
        throw RunError(ErrorNumber::BadArgument);
    return qRgb(colour.red, colour.green, colour.blue);
}

void check_colour_index(int index) {
    if (index < 0 || index >= kPaletteSize) throw RunError(ErrorNumber::BadArgument);
}

Palette Palette::new_form() {
    Palette palette;
    for (int i = 0; i < kPaletteSize; ++i) palette.entries_[i] = to_qrgb(kNewFormColours[i]);
    return palette;
}

QRgb Palette::at(int index) const {
    check_colour_index(index);
    return entries_[index];
}

void Palette::set(int index, Rgb colour) {
    check_colour_index(index);
    entries_[index] = to_qrgb(colour);
}

int Palette::index_of(QRgb rgb) const {
    const QRgb wanted = rgb | 0xff000000u;
    for (int i = 0; i < kPaletteSize; ++i)
        if (entries_[i] == wanted) return i;
    return -1;
}

}  // namespace platform
