#pragma once
// The drawings of the course's pictures, one function per picture or family
// of pictures.  Each returns an opaque image of the size the picture catalogue
// gives for its file.

#include <QImage>
#include <QRgb>

#include "course/children.h"

namespace course {

// Background of pictures drawn onto the light grey mascot panel and strip.
inline constexpr QRgb kPanelGrey = qRgb(192, 192, 192);
// Background of pictures drawn onto the dark green blackboard.
inline constexpr QRgb kBlackboardGreen = qRgb(0, 128, 0);

// An opaque picture of the given size filled with the background colour.
QImage blank_picture(int width, int height, QRgb background);

// The mascot panel pictures: the child waving, or cheering when happy.
QImage mascot_picture(Child child, Mood mood);
// The small standing child drawn on explanation pages.
QImage mascot_face(Child child);
// The small child pointing to the left or to the right.
QImage mascot_pose(Child child, Pose pointing);

// The picture strip: the long cheerful strip and the short stripe.
QImage strip_picture();
QImage stripe_picture();

enum class Direction { Right, Left, Up, Down };
QImage pointing_hand(Direction direction);

enum class Tilt { Level, LeftDown, RightDown };
QImage balance_picture(Tilt tilt);

enum class NavigationButton { Befor, Last, Next, Where, Head, Top, Exit };
// Two frames of 85 x 33 side by side: raised at rest, sunken when held down.
QImage navigation_bitmap(NavigationButton button);

}  // namespace course
