#include "platform/glyph_stamps.h"

#include <QPainter>

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/fonts.h"

namespace platform {
namespace {

// Larger boxes are drawn each time rather than kept.
constexpr int kLargestStampedBox = 256 * 256;
// More stamps than this (every character of a page in a handful of faces and
// sizes needs a few hundred) and the stamps are made afresh.
constexpr std::size_t kMostStamps = 4096;

struct GlyphKey {
    char32_t code = 0;
    int width = 0;
    int height = 0;
    qreal stretch = 1;
    bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
    std::size_t operator()(const GlyphKey& key) const {
        std::size_t h = std::hash<char32_t>{}(key.code);
        for (std::size_t part : {std::hash<int>{}(key.width), std::hash<int>{}(key.height),
                                 std::hash<qreal>{}(key.stretch)})
            h = h * 1000003u ^ part;
        return h;
    }
};

// The covered pixels of one row as runs; false when a pixel is partly covered.
bool add_runs(const QRgb* row, int y, int width, std::vector<GlyphRun>& runs) {
    for (int x = 0; x < width;) {
        const int alpha = qAlpha(row[x]);
        if (alpha != 0 && alpha != 255) return false;
        if (alpha == 0) {
            ++x;
            continue;
        }
        const int left = x;
        while (x < width && qAlpha(row[x]) == 255) ++x;
        runs.push_back({y, left, x});
    }
    return true;
}

// Draws the glyph alone in its box as it is drawn on a surface, and keeps
// the pixels it covered.
std::optional<GlyphStamp> make_stamp(const Glyph& glyph, QSize box, const QFont& font,
                                     qreal x_stretch) {
    QImage image(box, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        const QRect whole(QPoint(0, 0), box);
        QPainter painter(&image);
        prepare_painter(painter);
        painter.setClipRect(whole);
        painter.setPen(QColor(Qt::white));
        draw_glyph(painter, glyph, whole, font, x_stretch);
    }
    GlyphStamp stamp;
    for (int y = 0; y < image.height(); ++y)
        if (!add_runs(reinterpret_cast<const QRgb*>(image.constScanLine(y)), y, image.width(),
                      stamp.runs))
            return std::nullopt;
    return stamp;
}

}  // namespace

// One face at one size: its font and the stamps made of it (none where a
// glyph cannot be stamped).
struct GlyphStamps::Font {
    std::string face;
    int pixel_size = 0;
    QFont font;
    std::unordered_map<GlyphKey, std::optional<GlyphStamp>, GlyphKeyHash> stamps;
};

GlyphStamps::GlyphStamps() = default;
GlyphStamps::~GlyphStamps() = default;
GlyphStamps::GlyphStamps(GlyphStamps&&) noexcept = default;
GlyphStamps& GlyphStamps::operator=(GlyphStamps&&) noexcept = default;

GlyphStamps::Font& GlyphStamps::font(std::string_view face, int pixel_size) {
    for (const auto& known : fonts_)
        if (known->pixel_size == pixel_size && known->face == face) return *known;
    fonts_.push_back(std::make_unique<Font>(
        Font{std::string(face), pixel_size, make_font(face, pixel_size), {}}));
    return *fonts_.back();
}

const GlyphStamp* GlyphStamps::find(std::string_view face, int pixel_size, const Glyph& glyph,
                                    QSize box, qreal x_stretch) {
    if (box.isEmpty() || box.width() * box.height() > kLargestStampedBox) return nullptr;
    Font& known = font(face, pixel_size);
    const GlyphKey key{glyph.code, box.width(), box.height(), x_stretch};
    auto found = known.stamps.find(key);
    if (found == known.stamps.end()) {
        found = known.stamps.emplace(key, make_stamp(glyph, box, known.font, x_stretch)).first;
        ++stamps_;
    }
    return found->second ? &*found->second : nullptr;
}

void GlyphStamps::make_room() {
    if (stamps_ <= kMostStamps) return;
    fonts_.clear();
    stamps_ = 0;
}

void stamp_glyph(QImage& target, const GlyphStamp& stamp, QPoint at, QRgb ink, DrawMode mode,
                 const Palette& palette) {
    const int width = target.width();
    const int height = target.height();
    const QRgb pen = ink | 0xff000000u;
    uchar* const bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    for (const GlyphRun& run : stamp.runs) {
        const int y = at.y() + run.y;
        if (y < 0 || y >= height) continue;
        const int left = std::max(at.x() + run.left, 0);
        const int right = std::min(at.x() + run.right, width);
        if (left >= right) continue;
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        if (mode == DrawMode::Copy) {
            std::fill(row + left, row + right, pen);
            continue;
        }
        for (int x = left; x < right; ++x) row[x] = combine(mode, pen, row[x], palette);
    }
}

}  // namespace platform
