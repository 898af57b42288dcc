#include "platform/raster_op.h"

#include <QPainter>

#include <cstring>

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr int kFirstMode = 1;
constexpr int kLastMode = 16;

// The function of mode `mode` applied bit by bit to `pen` and `under`.
std::uint32_t apply_bits(DrawMode mode, std::uint32_t pen, std::uint32_t under) {
    const int table = static_cast<int>(mode) - 1;
    std::uint32_t result = 0;
    if (table & 8) result |= pen & under;
    if (table & 4) result |= pen & ~under;
    if (table & 2) result |= ~pen & under;
    if (table & 1) result |= ~pen & ~under;
    return result;
}

// Combines the drawn pixels of `layer` (those with any opacity) into the
// target, the layer's top-left pixel over `origin`.
void combine_layer(QImage& target, QPoint origin, const QImage& layer, DrawMode mode,
                   const Palette& palette) {
    Combination combined(mode, palette);
    for (int y = 0; y < layer.height(); ++y) {
        const auto* drawn = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(drawn[x]) < 128) continue;
            row[x] = combined(qUnpremultiply(drawn[x]), row[x]);
        }
    }
}

}  // namespace

DrawMode draw_mode_from_code(int code) {
    if (code < kFirstMode || code > kLastMode) throw RunError(ErrorNumber::BadDrawArgument);
    return static_cast<DrawMode>(code);
}

QRgb combine(DrawMode mode, QRgb pen, QRgb under, const Palette& palette) {
    if (mode == DrawMode::Copy) return pen | 0xff000000u;
    const int pen_index = palette.index_of(pen);
    const int under_index = palette.index_of(under);
    if (pen_index >= 0 && under_index >= 0) {
        const auto index = apply_bits(mode, static_cast<std::uint32_t>(pen_index),
                                      static_cast<std::uint32_t>(under_index));
        return palette.at(static_cast<int>(index & 0xfu));
    }
    return (apply_bits(mode, pen, under) & 0x00ffffffu) | 0xff000000u;
}

QRect paint_figure(QImage& target, QRect reach, DrawMode mode, const Palette& palette,
                   const Figure& figure) {
    const QRect area = reach.intersected(target.rect());
    if (mode == DrawMode::Copy) {
        QPainter painter(&target);
        painter.setClipRect(area);
        figure(painter);
        return area;
    }
    return paint_layer(target, area, mode, palette, [&](QImage& layer, QPoint origin) {
        QPainter painter(&layer);
        painter.translate(-origin);
        figure(painter);
    });
}

QRect paint_layer(QImage& target, QRect reach, DrawMode mode, const Palette& palette,
                  const LayerDrawing& draw) {
    const QRect area = reach.intersected(target.rect());
    if (area.isEmpty()) return {};
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    draw(layer, area.topLeft());
    combine_layer(target, area.topLeft(), layer, mode, palette);
    return area;
}

QRect blend_image(QImage& target, QPoint at, const QImage& source, DrawMode mode,
                  const Palette& palette) {
    const QRect area = QRect(at, source.size()).intersected(target.rect());
    if (area.isEmpty()) return {};
    const QImage pixels = source.format() == QImage::Format_RGB32
                              ? source
                              : source.convertToFormat(QImage::Format_RGB32);
    const QPoint from = area.topLeft() - at;
    Combination combined(mode, palette);
    for (int y = 0; y < area.height(); ++y) {
        const auto* drawn = reinterpret_cast<const QRgb*>(pixels.constScanLine(from.y() + y)) +
                            from.x();
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(area.y() + y)) + area.x();
        if (mode == DrawMode::Copy) {
            std::memcpy(row, drawn, sizeof(QRgb) * static_cast<std::size_t>(area.width()));
            continue;
        }
        for (int x = 0; x < area.width(); ++x) row[x] = combined(drawn[x], row[x]);
    }
    return area;
}

}  // namespace platform
