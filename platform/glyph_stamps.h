#pragma once
// Characters drawn once and stamped from then on.  Laying a character out and
// rasterising it costs far more than setting its pixels, and the pages draw
// the same few characters again and again (a blink or a move draws one text
// dozens of times).  The first time a character of a face and size is drawn
// in a box of a size, it is drawn with draw_glyph into an image of the box
// alone; the pixels it covers are kept as runs along the rows, and from then
// on drawing it sets exactly those pixels.  Text is drawn without
// anti-aliasing, so a pixel is covered or not.  A character drawn with partly
// covered pixels, or too large to keep, gets no stamp: it is drawn as before.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/cell_text.h"
#include "platform/palette.h"
#include "platform/raster_op.h"

namespace platform {

// Pixels left .. right - 1 of row y of a glyph's box.
struct GlyphRun {
    int y = 0;
    int left = 0;
    int right = 0;
};

struct GlyphStamp {
    std::vector<GlyphRun> runs;
};

class GlyphStamps {
public:
    GlyphStamps();
    ~GlyphStamps();
    GlyphStamps(GlyphStamps&&) noexcept;
    GlyphStamps& operator=(GlyphStamps&&) noexcept;

    // The stamp of the glyph of the face at a character height of
    // `pixel_size`, drawn in a box of `box` as draw_glyph draws it; none when
    // the glyph cannot be kept as one.  A stamp stays valid until the next
    // call of make_room.
    const GlyphStamp* find(std::string_view face, int pixel_size, const Glyph& glyph, QSize box,
                           qreal x_stretch);

    // Forgets every stamp when more than a page's worth of faces, sizes and
    // characters have been kept.
    void make_room();

private:
    struct Font;
    Font& font(std::string_view face, int pixel_size);

    std::vector<std::unique_ptr<Font>> fonts_;
    std::size_t stamps_ = 0;
};

// Sets the stamp's pixels with its box's top-left pixel at `at`, each
// combined in the mode with the pixel under it; pixels off the target are
// left out.
void stamp_glyph(QImage& target, const GlyphStamp& stamp, QPoint at, QRgb ink, DrawMode mode,
                 const Palette& palette);

}  // namespace platform
