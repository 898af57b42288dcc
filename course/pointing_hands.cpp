// The small pointing hands drawn beside the blackboard's working, pixel by
// pixel so that they stay crisp at their small size.  One hand pointing up
// is drawn; the others are its turn and mirror images.
//
// A hand picture is 20 x 20, but the pages take it away with boxes as
// narrow as 13 and as low as 15 pixels from its top-left corner, and write
// beside it: the hand fills the top-left 13 x 15 (15 x 13 lying) of its
// picture, its finger 9 pixels in from the side it stands on, where the
// pages put what it points at.
#include <QPainter>
#include <QTransform>
#include <string_view>

#include "course/pictures.h"

namespace course {
namespace {

constexpr int kSide = 20;

// 'c' the white cuff, 'o' the outline, 's' the skin, '.' the blackboard.
constexpr std::string_view kHandPointingUp[] = {
    "........ooo..",
    ".......ossso.",
    ".......ossso.",
    ".......ossso.",
    ".......ossso.",
    "...ooo.ossso.",
    "..osssoossso.",
    "..ossosssssso",
    ".osssssssssso",
    "ossosssssssso",
    "ossssssssssso",
    ".ossssssssso.",
    "..ooooooooo..",
    "..ccccccccc..",
    "..ccccccccc..",
};

QRgb colour_of(char pixel) {
    switch (pixel) {
    case 'c': return qRgb(255, 255, 255);
    case 'o': return qRgb(40, 25, 15);
    case 's': return qRgb(255, 214, 170);
    default: return kBlackboardGreen;
    }
}

QImage hand_pointing_up() {
    const int width = static_cast<int>(kHandPointingUp[0].size());
    const int height = static_cast<int>(std::size(kHandPointingUp));
    QImage hand = blank_picture(width, height, kBlackboardGreen);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) hand.setPixel(x, y, colour_of(kHandPointingUp[y][x]));
    return hand;
}

QImage hand_pointing(Direction direction) {
    const QImage up = hand_pointing_up();
    const QImage right = up.transformed(QTransform().rotate(90));  // clockwise
    switch (direction) {
    case Direction::Up: return up;
    case Direction::Down: return up.mirrored(false, true);
    case Direction::Right: return right;
    case Direction::Left: return right.mirrored(true, false);
    }
    return up;
}

}  // namespace

QImage pointing_hand(Direction direction) {
    QImage picture = blank_picture(kSide, kSide, kBlackboardGreen);
    QPainter(&picture).drawImage(0, 0, hand_pointing(direction));
    return picture;
}

}  // namespace course
