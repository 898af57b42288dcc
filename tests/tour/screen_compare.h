#pragma once
// Two screenshots of one screen compared pixel by pixel, over the extent of
// both: a pixel only one of them has differs.

#include <QImage>
#include <QRect>

namespace tour {

struct Difference {
    long long pixels = 0;  // the pixels that differ
    QRect box{};           // their bounding box; empty when none differ
};

Difference compare(const QImage& a, const QImage& b);

// A dimmed grey copy of A with the pixels that differ from B in red, and a
// yellow frame two pixels outside their bounding box (a lone pixel is found).
QImage highlight(const QImage& a, const QImage& b);

}  // namespace tour
