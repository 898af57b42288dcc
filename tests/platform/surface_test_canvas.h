#pragma once
// Surfaces set up as the lessons set them up, and ways to look at them.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cmath>
#include <numbers>

#include "platform/run_error.h"
#include "platform/surface.h"

namespace surface_test {

// The lesson palette, entries in start-up order as (index, green, red, blue).
inline void set_lesson_palette(platform::Surface& surface) {
    struct Entry { int index, green, red, blue; };
    constexpr Entry kEntries[] = {
        {8, 0, 0, 128},    {9, 0, 128, 0},     {10, 0, 148, 148},  {0, 128, 0, 0},
        {12, 128, 0, 128}, {13, 128, 255, 255}, {14, 255, 128, 128}, {15, 128, 128, 128},
        {1, 0, 0, 255},    {2, 0, 255, 0},     {3, 0, 255, 255},   {4, 255, 0, 0},
        {5, 255, 0, 255},  {6, 255, 255, 0},   {7, 255, 255, 255},
    };
    for (const Entry& e : kEntries) surface.set_palette_entry(e.index, e.green, e.red, e.blue);
}

// The page canvas: logical 0..639 x 0..568 on 640 x 480 pixels, cleared to
// colour 0.
inline platform::Surface page_canvas(int client_height = 440) {
    platform::Surface canvas(platform::SurfaceKind::Window, 640, client_height);
    canvas.set_logical_window(0, 0, 639, 568);
    canvas.set_viewport(0, 0, 639, 479);
    set_lesson_palette(canvas);
    canvas.set_colours(7, 0, 7);
    canvas.clear();
    return canvas;
}

// A window whose logical coordinates are its pixels, cleared to colour 0.
inline platform::Surface pixel_canvas() {
    platform::Surface canvas(platform::SurfaceKind::Window, 640, 480);
    set_lesson_palette(canvas);
    canvas.set_colours(7, 0, 7);
    canvas.clear();
    return canvas;
}

// The run-time error number the action raises, 0 when it raises none.
template <class Action>
int run_error_of(Action&& action) {
    try {
        action();
    } catch (const platform::RunError& error) {
        return error.number();
    }
    return 0;
}

// Pixels of the area that differ from `colour`.
inline int pixels_not_of(const platform::Surface& surface, QRect area, int colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (surface.colour_index_at({x, y}) != colour) ++count;
    return count;
}

// Whether every pixel of the area has the colour's RGB: quicker than
// counting by palette index where many figures are looked at.
inline bool all_of_colour(const platform::Surface& surface, QRect area, int colour) {
    const QImage& image = surface.image();
    const QRgb rgb = surface.state().palette.at(colour) | 0xff000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if ((row[x] | 0xff000000u) != rgb) return false;
    }
    return true;
}

// The bounding rectangle of the pixels that differ from `colour`.
inline QRect ink_of(const platform::Surface& surface, int colour) {
    QRect ink;
    const QImage& image = surface.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (surface.colour_index_at({x, y}) != colour) ink |= QRect(x, y, 1, 1);
    return ink;
}

// Whether a pixel of `colour` lies within one pixel of `at`.
inline bool near_colour(const platform::Surface& surface, QPoint at, int colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (surface.colour_index_at(at + QPoint(dx, dy)) == colour) return true;
    return false;
}

// The pixel of an ellipse at an angle in degrees, clockwise from 3 o'clock.
inline QPoint ellipse_pixel(QPoint centre, double rx, double ry, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + static_cast<int>(std::lround(rx * std::cos(a))),
            centre.y() + static_cast<int>(std::lround(ry * std::sin(a)))};
}

}  // namespace surface_test
