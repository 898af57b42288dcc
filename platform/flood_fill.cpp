#include "platform/flood_fill.h"

#include <vector>

namespace platform {
namespace {

class Filler {
public:
    Filler(QImage& image, QRgb border, QRgb fill)
        : image_(image), border_(border | 0xff000000u), fill_(fill | 0xff000000u),
          done_(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height())) {}

    QRect run(QPoint start) {
        pending_.push_back(start);
        while (!pending_.empty()) {
            const QPoint seed = pending_.back();
            pending_.pop_back();
            fill_run(seed);
        }
        return filled_;
    }

private:
    bool open(int x, int y) const {
        return !done_[index(x, y)] && pixel(x, y) != border_;
    }
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(image_.width()) +
               static_cast<std::size_t>(x);
    }
    QRgb pixel(int x, int y) const {
        return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] | 0xff000000u;
    }

    // Fills the horizontal run through the seed and queues the rows beside it.
    void fill_run(QPoint seed) {
        const int y = seed.y();
        if (!open(seed.x(), y)) return;
        int left = seed.x();
        while (left > 0 && open(left - 1, y)) --left;
        int right = seed.x();
        while (right + 1 < image_.width() && open(right + 1, y)) ++right;
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = left; x <= right; ++x) {
            row[x] = fill_;
            done_[index(x, y)] = true;
        }
        filled_ |= QRect(QPoint(left, y), QPoint(right, y));
        queue_row(left, right, y - 1);
        queue_row(left, right, y + 1);
    }

    void queue_row(int left, int right, int y) {
        if (y < 0 || y >= image_.height()) return;
        bool in_run = false;
        for (int x = left; x <= right; ++x) {
            const bool here = open(x, y);
            if (here && !in_run) pending_.emplace_back(x, y);
            in_run = here;
        }
    }

    QImage& image_;
    QRgb border_;
    QRgb fill_;
    std::vector<bool> done_;
    std::vector<QPoint> pending_;
    QRect filled_;
};

}  // namespace

QRect flood_fill(QImage& image, QPoint start, QRgb border, QRgb fill) {
    if (!image.rect().contains(start)) return {};
    return Filler(image, border, fill).run(start);
}

}  // namespace platform
