#pragma once
// The sixteen colours of a drawing surface.  Programs name colours by index
// 0..15; each index holds an RGB value that the program may change.

#include <QRgb>

#include <array>

#include "platform/rgb.h"

namespace platform {

inline constexpr int kPaletteSize = 16;

// Checks the parts (run-time error 5 outside 0..255) and packs them.
QRgb to_qrgb(Rgb colour);

// Run-time error 5 unless the index names a palette entry (0..15).
void check_colour_index(int index);

class Palette {
public:
    // Every new form starts with this palette.
    static Palette new_form();

    QRgb at(int index) const;              // error 5 outside 0..15
    void set(int index, Rgb colour);       // error 5 on a bad index or part
    // The lowest index holding exactly this RGB value, -1 when none does.
    int index_of(QRgb rgb) const;

private:
    std::array<QRgb, kPaletteSize> entries_{};
};

}  // namespace platform
