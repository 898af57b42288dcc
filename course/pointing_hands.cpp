// The small pointing hands drawn beside the blackboard's working, pixel by
// pixel so that they stay crisp at their tiny size.  One hand pointing right
// is drawn; the others are its mirror images and turns.
#include <QTransform>
#include <string_view>

#include "course/pictures.h"

namespace course {
namespace {

// 'c' the white cuff, 'o' the outline, 's' the skin, '.' the blackboard.
constexpr std::string_view kHandPointingRight[] = {
    "...oooo......",
    "ccosssoooooo.",
    "ccossssssssso",
    "ccossssssssso",
    "ccosssoooooo.",
    "ccossssso....",
    "ccossoooo....",
    "ccossssso....",
    "ccossoooo....",
    "ccosssso.....",
    "..ooooo......",
};

QRgb colour_of(char pixel) {
    switch (pixel) {
    case 'c': return qRgb(255, 255, 255);
    case 'o': return qRgb(40, 25, 15);
    case 's': return qRgb(255, 214, 170);
    default: return kBlackboardGreen;
    }
}

QImage hand_pointing_right() {
    const int width = static_cast<int>(kHandPointingRight[0].size());
    const int height = static_cast<int>(std::size(kHandPointingRight));
    QImage picture = blank_picture(width, height, kBlackboardGreen);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, colour_of(kHandPointingRight[y][x]));
    return picture;
}

}  // namespace

QImage pointing_hand(Direction direction) {
    const QImage right = hand_pointing_right();
    const QImage up = right.transformed(QTransform().rotate(-90));
    switch (direction) {
    case Direction::Right: return right;
    case Direction::Left: return right.mirrored(true, false);
    case Direction::Up: return up;
    case Direction::Down: return up.mirrored(false, true);
    }
    return right;
}

}  // namespace course
