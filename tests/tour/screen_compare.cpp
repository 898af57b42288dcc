#include "tests/tour/screen_compare.h"

#include <cstring>

namespace tour {
namespace {

constexpr QRgb kDiffering = qRgb(255, 0, 0);
constexpr QRgb kFrame = qRgb(255, 255, 0);

QSize extent(const QImage& a, const QImage& b) { return a.size().expandedTo(b.size()); }

bool differs_at(const QImage& a, const QImage& b, int x, int y) {
    const bool in_a = a.rect().contains(x, y);
    const bool in_b = b.rect().contains(x, y);
    if (!in_a || !in_b) return true;
    return (a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK);
}

QImage as_rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

QRgb dimmed(QRgb pixel) {
    const int grey = 40 + qGray(pixel) / 4;
    return qRgb(grey, grey, grey);
}

void frame_box(QImage& image, const QImage& a, const QImage& b, QRect box) {
    const QRect frame = box.adjusted(-2, -2, 2, 2);
    auto mark = [&](int x, int y) {
        if (image.rect().contains(x, y) && !differs_at(a, b, x, y)) image.setPixel(x, y, kFrame);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        mark(x, frame.top());
        mark(x, frame.bottom());
    }
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        mark(frame.left(), y);
        mark(frame.right(), y);
    }
}

}  // namespace

Difference compare(const QImage& a_image, const QImage& b_image) {
    const QImage a = as_rgb(a_image);
    const QImage b = as_rgb(b_image);
    const QSize size = extent(a, b);
    const std::size_t row_bytes = static_cast<std::size_t>(a.width()) * sizeof(QRgb);
    Difference found;
    for (int y = 0; y < size.height(); ++y) {
        const bool both_whole = a.size() == b.size();
        if (both_whole && (std::memcmp(a.constScanLine(y), b.constScanLine(y), row_bytes) == 0))
            continue;  // most rows are alike: the quick look first
        for (int x = 0; x < size.width(); ++x) {
            if (!differs_at(a, b, x, y)) continue;
            ++found.pixels;
            found.box |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

QImage highlight(const QImage& a_image, const QImage& b_image) {
    const QImage a = as_rgb(a_image);
    const QImage b = as_rgb(b_image);
    QImage shown(extent(a, b), QImage::Format_RGB32);
    shown.fill(Qt::black);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            if (differs_at(a, b, x, y))
                shown.setPixel(x, y, kDiffering);
            else
                shown.setPixel(x, y, dimmed(a.pixel(x, y)));
        }
    if (const QRect box = compare(a, b).box; !box.isEmpty()) frame_box(shown, a, b, box);
    return shown;
}

}  // namespace tour
