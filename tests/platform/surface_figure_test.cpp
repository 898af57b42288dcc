#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/polygon.h"
#include "surface_test_canvas.h"

using platform::PolyPoint;
using surface_test::pixel_canvas;
using surface_test::pixels_not_of;
using surface_test::run_error_of;

TEST(SurfaceFigure, LinesAndBoxesIncludeTheirEndPixels) {
    platform::Surface canvas = pixel_canvas();
    canvas.draw_line({10, 10}, {60, 10}, 2);
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 20), 0), 51);
    EXPECT_EQ(canvas.colour_index_at({60, 10}), 2);
    canvas.draw_line({100, 5}, {100, 5});  // one pixel, in the drawing colour
    EXPECT_EQ(canvas.colour_index_at({100, 5}), 7);
    EXPECT_EQ(canvas.state().last_point.x, 100);

    canvas.draw_box({10, 100}, {50, 140}, 3);
    EXPECT_EQ(canvas.colour_index_at({10, 100}), 3);
    EXPECT_EQ(canvas.colour_index_at({50, 140}), 3);
    EXPECT_EQ(canvas.colour_index_at({30, 120}), 0);  // inside untouched
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 90, 100, 60), 0), 4 * 40);

    canvas.fill_box({200, 100}, {240, 140}, 2, 5);  // red frame, cyan inside
    EXPECT_EQ(canvas.colour_index_at({200, 100}), 2);
    EXPECT_EQ(canvas.colour_index_at({240, 140}), 2);
    EXPECT_EQ(canvas.colour_index_at({220, 120}), 5);
    EXPECT_EQ(canvas.colour_index_at({241, 120}), 0);
}

TEST(SurfaceFigure, DottedFiguresHaveGapsButAPolylineAskedSolidHasNone) {
    platform::Surface solid = pixel_canvas();
    solid.draw_line({10, 10}, {109, 10});
    solid.draw_circle({300, 200}, 50, 7, 1);
    solid.draw_box({400, 10}, {499, 50});
    const platform::PolyPoint zigzag[] = {{{10, 300}}, {{60, 350}}, {{110, 300}}};
    solid.draw_polyline(zigzag, 7);

    platform::Surface dotted = pixel_canvas();
    dotted.set_draw_style(2);
    dotted.draw_line({10, 10}, {109, 10});
    dotted.draw_circle({300, 200}, 50, 7, 1);
    dotted.draw_box({400, 10}, {499, 50});
    dotted.draw_polyline(zigzag, 7);

    const QRect line(0, 0, 200, 20), circle(240, 140, 120, 120), box(390, 0, 120, 60),
        polyline(0, 290, 120, 70);
    for (const QRect& area : {line, circle, box, polyline}) {
        const int full = pixels_not_of(solid, area, 0);
        const int dots = pixels_not_of(dotted, area, 0);
        EXPECT_GT(dots, full / 5);
        EXPECT_LT(dots, full * 2 / 3);
    }
    // A polyline that asks for a solid pen is solid whatever the window's.
    platform::Surface solid_anyway = pixel_canvas();
    solid_anyway.set_draw_style(2);
    platform::PolyOptions solid_pen;
    solid_pen.style = platform::PolyStyle::Solid;
    solid_anyway.draw_polyline(zigzag, 7, solid_pen);
    EXPECT_EQ(pixels_not_of(solid_anyway, polyline, 0), pixels_not_of(solid, polyline, 0));
    EXPECT_EQ(run_error_of([&] { dotted.set_draw_style(7); }), 6);
    EXPECT_EQ(run_error_of([&] { dotted.set_draw_style(-1); }), 6);
    EXPECT_EQ(dotted.state().style, platform::PenStyle::Dotted);
}

// The first 18 pixels of a line drawn from x = 10 in each broken style.
TEST(SurfaceFigure, EachBrokenStyleDrawsItsRunsAndGaps) {
    const std::pair<int, std::string_view> styles[] = {
        {1, "######...######..."}, {2, "#..#..#..#..#..#.."},
        {3, "######...#...#####"}, {4, "######...#...#...#"}};
    for (const auto& [code, runs] : styles) {
        platform::Surface canvas = pixel_canvas();
        canvas.set_draw_style(code);
        canvas.draw_line({10, 10}, {109, 10});
        std::string drawn;
        for (int x = 10; x < 28; ++x) drawn += canvas.colour_index_at({x, 10}) == 0 ? '.' : '#';
        EXPECT_EQ(drawn, runs) << "style " << code;
    }
}

TEST(SurfaceFigure, PolylineStepsAndFilledConcavePolygon) {
    platform::Surface canvas = pixel_canvas();
    const PolyPoint corner[] = {PolyPoint::at(10, 10), PolyPoint::step(20, 0),
                                PolyPoint::step(0, 20)};
    canvas.draw_polyline(corner, 4);
    EXPECT_EQ(canvas.colour_index_at({30, 10}), 4);
    EXPECT_EQ(canvas.colour_index_at({30, 30}), 4);
    EXPECT_EQ(canvas.colour_index_at({10, 30}), 0);  // not closed
    const PolyPoint onwards[] = {PolyPoint::step(10, 0)};
    canvas.draw_polyline(onwards, 4);  // a first step goes on from the last point
    EXPECT_EQ(canvas.colour_index_at({40, 30}), 4);
    canvas.set_point({300, 300}, 4);
    canvas.draw_polyline(onwards, 4);  // and from a point
    EXPECT_EQ(canvas.colour_index_at({310, 300}), 4);

    // A U shape: the notch between its arms stays empty.
    const PolyPoint u[] = {PolyPoint::at(100, 100), PolyPoint::at(130, 100),
                           PolyPoint::at(130, 160), PolyPoint::at(170, 160),
                           PolyPoint::at(170, 100), PolyPoint::at(200, 100),
                           PolyPoint::at(200, 200), PolyPoint::at(100, 200)};
    canvas.draw_polyline(u, 2, {.fill = 6});
    EXPECT_EQ(canvas.colour_index_at({115, 130}), 6);  // left arm
    EXPECT_EQ(canvas.colour_index_at({185, 130}), 6);  // right arm
    EXPECT_EQ(canvas.colour_index_at({150, 180}), 6);  // base
    EXPECT_EQ(canvas.colour_index_at({150, 130}), 0);  // notch
    EXPECT_EQ(canvas.colour_index_at({100, 150}), 2);  // outline, closed to the start
}

TEST(SurfaceFigure, FloodFillStopsAtItsBorder) {
    platform::Surface canvas = pixel_canvas();
    canvas.draw_box({50, 50}, {150, 150}, 2);
    canvas.draw_line({100, 50}, {100, 150}, 2);  // splits the box in two
    canvas.set_fill_colour({0, 0, 255});
    canvas.flood_fill({70, 100}, {255, 0, 0});
    EXPECT_EQ(canvas.colour_index_at({70, 100}), 1);
    EXPECT_EQ(canvas.colour_index_at({51, 51}), 1);
    EXPECT_EQ(canvas.colour_index_at({99, 149}), 1);
    EXPECT_EQ(canvas.colour_index_at({120, 100}), 0);  // the other half
    EXPECT_EQ(canvas.colour_index_at({40, 100}), 0);   // outside
    EXPECT_EQ(canvas.colour_index_at({50, 100}), 2);   // the border itself
    canvas.flood_fill({50, 100}, {255, 0, 0});         // starting on the border: nothing
    EXPECT_EQ(canvas.colour_index_at({50, 100}), 2);
    canvas.flood_fill({5000, -10}, {255, 0, 0});       // off the surface: nothing
    // A circle's outline steps diagonally; the fill does not slip through.
    canvas.draw_circle({300, 300}, 40, 2, 1);
    canvas.flood_fill({300, 300}, {255, 0, 0});
    EXPECT_EQ(canvas.colour_index_at({300, 300}), 1);
    EXPECT_EQ(canvas.colour_index_at({300, 250}), 0);
    for (const QPoint corner : {QPoint(255, 255), QPoint(336, 255), QPoint(255, 336),
                                QPoint(336, 336)})
        EXPECT_EQ(pixels_not_of(canvas, QRect(corner, QSize(10, 10)), 0), 0);
    EXPECT_EQ(run_error_of([&] { canvas.set_fill_colour({0, 256, 0}); }), 5);
    // With no border in its way a fill reaches every edge of the surface.
    canvas.clear();
    canvas.flood_fill({320, 240}, {255, 0, 0});
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 1), 0);
    for (const int style : {-1, 8}) EXPECT_EQ(run_error_of([&] { canvas.set_fill_style(style); }), 5);
    for (const int style : {0, 7}) EXPECT_EQ(run_error_of([&] { canvas.set_fill_style(style); }), 0);
}

TEST(SurfaceFigure, PointsAndColoursOutsideThePalette) {
    platform::Surface canvas = pixel_canvas();
    canvas.set_point({3, 4}, 9);
    EXPECT_EQ(canvas.colour_index_at({3, 4}), 9);
    canvas.set_point({-3, 4000}, 9);  // off the surface
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 1);
    EXPECT_EQ(run_error_of([&] { canvas.set_point({3, 4}, 16); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_line({0, 0}, {9, 9}, -1); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.fill_box({0, 0}, {9, 9}, 2, 99); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_polyline({}, 20); }), 5);
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 1);
}

TEST(SurfaceFigure, WatchersHearOfEveryFigureAsTheProgramGaveIt) {
    using Kind = platform::DrawCall::Kind;
    platform::Surface canvas = pixel_canvas();
    std::vector<platform::DrawCall> heard;
    canvas.on_draw([&](const platform::DrawCall& drawing) { heard.push_back(drawing); });
    canvas.set_draw_mode(7);
    canvas.set_draw_style(2);
    canvas.draw_box({10.5f, 20}, {30, 40});
    const PolyPoint path[] = {PolyPoint::at(5, 5), PolyPoint::step(10, 0)};
    canvas.draw_polyline(path, 3, {.mode = platform::PolyMode::Copy, .fill = 4});
    canvas.set_point({7, 8}, 6);
    canvas.block_copy({50, 60}, 8, 9, canvas, {1, 2});
    canvas.clear();

    ASSERT_EQ(heard.size(), 5u);
    EXPECT_EQ(heard[0].kind, Kind::Box);
    EXPECT_EQ(heard[0].at.x, 10.5f);
    EXPECT_EQ(heard[0].to.y, 40);
    EXPECT_EQ(heard[0].colour, 7);  // the drawing colour
    EXPECT_EQ(heard[0].mode, platform::DrawMode::Xor);
    EXPECT_EQ(heard[0].style, platform::PenStyle::Dotted);
    EXPECT_EQ(heard[1].kind, Kind::Polyline);
    ASSERT_EQ(heard[1].points.size(), 2u);
    EXPECT_EQ(heard[1].points[1].x, 15);  // the step resolved
    EXPECT_EQ(heard[1].fill, 4);
    EXPECT_EQ(heard[1].mode, platform::DrawMode::Copy);
    EXPECT_EQ(heard[2].kind, Kind::Point);
    EXPECT_EQ(heard[2].colour, 6);
    EXPECT_EQ(heard[3].kind, Kind::Copy);
    EXPECT_EQ(heard[3].source, &canvas);
    EXPECT_EQ(heard[3].size, QSize(8, 9));
    EXPECT_EQ(heard[3].to.y, 2);
    EXPECT_EQ(heard[4].kind, Kind::Clear);
}
