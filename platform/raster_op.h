#pragma once
// How a drawn pixel combines with the pixel under it.  The sixteen draw modes
// are the sixteen functions of two bits, numbered 1..16: mode n sets a result
// bit for the (pen bit, surface bit) pairs that the bits of n - 1 select
// (bit 3: both set, bit 2: pen only, bit 1: surface only, bit 0: neither).
//
// Where the pen colour and the colour under it are both palette colours the
// function works on their palette indexes, so merging a picture onto colour 0
// keeps what was there and a red figure merged onto colour 0 stays red;
// other colours are combined bit by bit on their RGB values.

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>

#include "platform/draw_mode.h"
#include "platform/palette.h"

class QPainter;

namespace platform {

// The colour a pixel gets when `pen` is drawn over `under` in this mode.
QRgb combine(DrawMode mode, QRgb pen, QRgb under, const Palette& palette);

// combine() in one mode and palette, remembering the last pair of colours:
// the pixels of one drawing mostly meet the same colours again.
class Combination {
public:
    Combination(DrawMode mode, const Palette& palette) : mode_(mode), palette_(palette) {}

    QRgb operator()(QRgb pen, QRgb under) {
        if (!known_ || pen != pen_ || under != under_) {
            known_ = true;
            pen_ = pen;
            under_ = under;
            result_ = combine(mode_, pen, under, palette_);
        }
        return result_;
    }

private:
    DrawMode mode_;
    const Palette& palette_;
    bool known_ = false;
    QRgb pen_ = 0;
    QRgb under_ = 0;
    QRgb result_ = 0;
};

// A figure painted with QPainter: its pens and brushes are opaque colours.
// A painter anti-aliases no figure unless asked (none is), nor text in the
// program's fonts (fonts.h).
using Figure = std::function<void(QPainter&)>;

// Paints the figure onto the target in the draw mode.  `reach` is a pixel
// rectangle holding every pixel the figure may touch.  Returns the part of
// the target that may have changed.
QRect paint_figure(QImage& target, QRect reach, DrawMode mode, const Palette& palette,
                   const Figure& figure);

// Lets `draw` set pixels of a transparent layer over the part of the reach
// on the target, its top-left pixel over the target's pixel `origin`, then
// combines the pixels it set into the target in the draw mode, each once.
// Returns the part of the target that may have changed.
using LayerDrawing = std::function<void(QImage& layer, QPoint origin)>;
QRect paint_layer(QImage& target, QRect reach, DrawMode mode, const Palette& palette,
                  const LayerDrawing& draw);

// Draws a whole image with its top-left pixel at `at`, pixel for pixel, in
// the draw mode.  Returns the part of the target that may have changed.
QRect blend_image(QImage& target, QPoint at, const QImage& source, DrawMode mode,
                  const Palette& palette);

}  // namespace platform
