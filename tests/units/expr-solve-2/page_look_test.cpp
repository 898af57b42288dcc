// What each explanation page leaves on the screen: its red title band and
// the white writing of its equations on the board.
#include <gtest/gtest.h>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

const frame::Unit& unit = units::expr_solve_2::unit;

// Pixels of the screenshot inside the canvas area that are white (colour 7).
int white_pixels(const QImage& shot, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.pixel(x, y) == qRgb(255, 255, 255)) ++count;
    return count;
}

TEST(ExplanationPagesLook, EachFinishedPageShowsItsBandAndItsEquations) {
    for (int page : {1, 3, 5}) {
        harness::Pupil pupil(unit);
        pupil.open(page, std::to_string(unit.lesson_page(page)->count()));
        const QImage shot = pupil.screenshot();
        // The title band, on the canvas 22 pixels below the screen's top.
        EXPECT_EQ(shot.pixel(195, 22 + 10), qRgb(255, 0, 0)) << "page " << page;
        // The board between the title and the bars holds the worked equations.
        EXPECT_GT(white_pixels(shot, QRect(0, 22 + 60, 640, 200)), 500) << "page " << page;
    }
}

}  // namespace
