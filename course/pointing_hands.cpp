// The small pointing hands drawn beside the blackboard's working, pixel by
// pixel so that they stay crisp at their small size.  One hand pointing up
// is drawn; the others are its turn and mirror images.
//
// A hand picture is no larger than its hand, 13 x 15 standing and 15 x 13
// lying, since a picture is drawn whole over what lies under it: the pages
// draw lines and write close beside a hand, and take it away with boxes as
// narrow as 13 and as low as 15 pixels from its top-left corner.  Its finger
// is 9 pixels in from the side it stands on, where the pages put what it
// points at.
#include <QTransform>
#include <algorithm>
#include <string_view>

#include "course/pictures.h"

namespace course {
namespace {

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
static_assert(std::ranges::all_of(kHandPointingUp,
                                  [](std::string_view row) { return row.size() == kHandPointingUp[0].size(); }),
              "every row of the hand as wide as the picture");

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

}  // namespace

QImage pointing_hand(Direction direction) {
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

}  // namespace course
