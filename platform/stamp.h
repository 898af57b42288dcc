#pragma once
// A figure's pixels kept to be set again anywhere.  Figures are drawn
// without anti-aliasing, so each pixel is covered or not, and a figure drawn
// at another whole-pixel position covers the same pixels moved by as much.
// Drawing a small figure that recurs (a character, a letter mark) thus once
// into an image of its own and keeping the covered pixels lets every later
// drawing of it set exactly those pixels, at a small part of the cost of
// laying it out and rasterising it again.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

#include <functional>
#include <optional>
#include <vector>

#include "platform/palette.h"
#include "platform/raster_op.h"

namespace platform {

// Pixels left .. right - 1 of row y.
struct StampRun {
    int y = 0;
    int left = 0;
    int right = 0;
};

struct Stamp {
    std::vector<StampRun> runs;
};

// The colour a stamp is painted in: any opaque one, as it keeps only which
// pixels the figure covers.
inline constexpr QRgb kStampInk = 0xff000000u;

// Larger figures are drawn each time rather than kept.
inline constexpr int kLargestStampArea = 256 * 256;

// How a figure is painted on a surface: straight onto its image, clipped to
// the figure's reach, in the copy mode; onto a layer of the reach's size, to
// be combined with the image, in the other draw modes.  The two may differ
// by a pixel at the edge of the reach, so each has stamps of its own.
enum class Painting { Clipped, Layered };

inline Painting painting_in(DrawMode mode) {
    return mode == DrawMode::Copy ? Painting::Clipped : Painting::Layered;
}

// Draws a figure with the top-left pixel of its reach at `origin`.
using PlacedFigure = std::function<void(QPainter&, QPoint origin)>;

// Paints the figure (opaque pens and brushes) as a surface paints it in a
// reach of `reach` pixels, and keeps the pixels it covered, relative to the
// reach's top-left pixel; none when it covered a pixel partly or the reach
// is larger than the largest stamp.
std::optional<Stamp> take_stamp(QSize reach, Painting painting, const PlacedFigure& figure);

// Sets the stamp's pixels, its image's top-left pixel at `at`, each combined
// in the mode with the pixel under it; pixels off the target are left out.
void put_stamp(QImage& target, const Stamp& stamp, QPoint at, QRgb ink, DrawMode mode,
               const Palette& palette);

}  // namespace platform
