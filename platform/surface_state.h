#pragma once
// Everything a drawing statement can change on a surface, in one place.

#include "platform/coordinates.h"
#include "platform/palette.h"
#include "platform/pen_style.h"
#include "platform/draw_mode.h"
#include "platform/text_font.h"

namespace platform {

// Column and row of the next cell text.
struct CellCursor {
    int column = 0;
    int row = 0;
};

struct SurfaceState {
    LogicalWindow window;
    Viewport viewport;
    Palette palette = Palette::new_form();
    int text_colour = 7;         // cell text
    int background_colour = 0;   // clear, and the cells behind cell text
    int drawing_colour = 15;     // scaled text, line and box without a colour
    DrawMode mode = DrawMode::Copy;
    PenStyle style = PenStyle::Solid;
    int fill_style = 0;          // 0 solid; flood fill always fills solid
    Rgb fill_colour{};           // flood fill
    TextFont font;
    PointF last_point;           // end of the last line, box, polyline or point
    CellCursor cursor;
    int map_mode = 1;            // kept for the program; drawing is always logical
    int redraw_mode = 1;         // kept for the program; drawing always stays
};

}  // namespace platform
