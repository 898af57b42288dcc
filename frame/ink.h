#pragma once
// What an exercise page draws, written as data: a problem's texts, a
// sheet's instructions and answer diagram, a hint.  Each ink is one drawing
// call; a list of them is drawn in order.  Texts without a colour take the
// current text colour (white for a problem, red for a hint).

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "frame/drawing.h"

namespace frame {

// Cell text at (column, row); with a face, drawn in that font and the font
// set back after it.
struct CellRow {
    int column = 0;
    int row = 0;
    std::string_view text{};
    std::optional<int> colour{};
    std::string_view face{};
};

// Scaled text, 1 × 1; with a font size, drawn at that size and the size set
// back after it.
struct ScaledText {
    PointF at{};
    std::string_view text{};
    std::optional<int> colour{};
    int font_size = 0;
};

struct Mark {
    PointF at{};
    std::optional<int> colour{};
};

struct Outline {  // a box
    PointF from{};
    PointF to{};
    int colour = 7;
};

struct Stroke {  // a line
    PointF from{};
    PointF to{};
    int colour = 7;
};

// A fraction on an exercise page: the numerators as cell text on row 7, the
// denominators on row 8, then the row of bars and signs as scaled text
// between them.
struct FractionRows {
    int column = 5;
    std::string_view top{};
    std::string_view bottom{};
    PointF bars_at{};
    std::string_view bars{};
};

// Cell text with what the pupil typed into an answer slot between two texts,
// as plain text: the typed part is cut short so that the whole line stays
// within its row.
struct Echo {
    int column = 0;
    int row = 0;
    std::string_view before{};
    int slot = 1;
    std::string_view after{};
};

using Ink = std::variant<CellRow, ScaledText, Mark, Outline, Stroke, FractionRows, Echo>;

// The mixed-number answer diagram of the fraction pages: "C" over "B" beside
// the template "答え  A ─", and a box for each of A, C and B.
struct MixedNumberBoxes {
    PointF a_from{121, 220}, a_to{137, 239};
    PointF c_from{141, 208}, c_to{157, 225};
    PointF b_from{141, 230}, b_to{157, 248};
};
std::vector<Ink> mixed_number_diagram(const MixedNumberBoxes& boxes = {});

}  // namespace frame
