#pragma once
// The four-pointed star of page 1 and its four folds.  Its eight corners go
// round the star, inner corner and tip in turn; a fold swings three
// neighbouring corners over the axis while the two beside them stay on it.

#include <array>

#include "frame/explanation_page.h"
#include "units/symmetry/swing.h"

namespace units::symmetry {

struct Swing {
    frame::PointF centre;  // between the corner and its mirror image
    float radius;
};

struct StarFold {
    int first;                    // the first moving corner, round the star
    std::array<Swing, 3> swings;  // of it and the two after it
    float phi;                    // φ of frame 0
    float by;                     // φ added each frame
    frame::PointF box_from;       // the area cleared before each frame
    frame::PointF box_to;
};

class Star {
public:
    Star();  // at rest about (250,150)
    void draw(frame::Drawing& d) const;
    // Swings the fold's corners: each frame drawn, then pause 200.
    void fold(frame::Page& p, const StarFold& f);
    void fill(const StarFold& f);  // the fold's corner paths

private:
    std::array<Path, 8> corners_{};
};

extern const StarFold kVerticalFold;
extern const StarFold kHorizontalFold;
extern const StarFold kDiagonalFold;
extern const StarFold kOtherDiagonalFold;

}  // namespace units::symmetry
