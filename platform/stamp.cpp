#include "platform/stamp.h"

#include <QPainter>

#include <algorithm>

namespace platform {
namespace {

// Room around a clipped figure's reach: a figure painted straight onto an
// image is never cut by the image's edge, and QPainter may set a pixel just
// outside the clip.
constexpr int kClippedMargin = 4;

// The covered pixels of one row as runs from `origin`; false when a pixel is
// partly covered.
bool add_runs(const QRgb* row, int y, int width, QPoint origin, std::vector<StampRun>& runs) {
    for (int x = 0; x < width;) {
        const int alpha = qAlpha(row[x]);
        if (alpha != 0 && alpha != 255) return false;
        if (alpha == 0) {
            ++x;
            continue;
        }
        const int left = x;
        while (x < width && qAlpha(row[x]) == 255) ++x;
        runs.push_back({y - origin.y(), left - origin.x(), x - origin.x()});
    }
    return true;
}

}  // namespace

std::optional<Stamp> take_stamp(QSize reach, Painting painting, const PlacedFigure& figure) {
    if (reach.isEmpty() || reach.width() * reach.height() > kLargestStampArea) return std::nullopt;
    const int margin = painting == Painting::Clipped ? kClippedMargin : 0;
    const QPoint origin(margin, margin);
    QImage image(reach.grownBy({margin, margin, margin, margin}),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        if (painting == Painting::Clipped) painter.setClipRect(QRect(origin, reach));
        figure(painter, origin);
    }
    Stamp stamp;
    for (int y = 0; y < image.height(); ++y)
        if (!add_runs(reinterpret_cast<const QRgb*>(image.constScanLine(y)), y, image.width(),
                      origin, stamp.runs))
            return std::nullopt;
    return stamp;
}

void put_stamp(QImage& target, const Stamp& stamp, QPoint at, QRgb ink, DrawMode mode,
               const Palette& palette) {
    const int width = target.width();
    const int height = target.height();
    const QRgb pen = ink | 0xff000000u;
    Combination combined(mode, palette);
    uchar* const bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    for (const StampRun& run : stamp.runs) {
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
        for (int x = left; x < right; ++x) row[x] = combined(pen, row[x]);
    }
}

}  // namespace platform
