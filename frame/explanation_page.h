#pragma once
// The small page API an explanation page is written in: a straight sequence
// of drawing, pause and narration calls, with the animation idioms written
// once here.  Positions are logical; colours are lesson-palette indexes.

#include <functional>
#include <optional>
#include <string_view>

#include "frame/lesson.h"

namespace frame {

using platform::PointF;

enum class Close { Yes, No };              // "close wave1" before a narration
enum class Narration { Background, ToEnd };

struct PageOpening {
    int paragraphs = 1;                    // N, the number of the page-end header
    float band_right = 305;                // title band (190,0)-(band_right,22)
    std::string_view title{};                // scaled text at (200,2)
    std::optional<PointF> title_mark{};      // letter mark in the title's two blanks
};

// Draws one element of an animation in a colour, at an offset.
using DrawInColour = std::function<void(int colour)>;
using DrawAtOffset = std::function<void(int offset, int colour)>;

class Page {
public:
    Page(Lesson& lesson, int page_number);

    // Range check of the start paragraph, clear, canvas, title band, title and
    // "だん落 1".  A start paragraph the page lacks is refused with a message:
    // nothing is drawn and the page routine is left.
    void open(const PageOpening& opening);
    void paragraph(int k);                 // "だん落 k" replaces the old header

    void text(PointF at, std::string_view text, int colour = 7);
    void scaled_text(PointF at, std::string_view text, int x_scale, int y_scale, int colour = 7);
    void rule(PointF at, std::string_view text) { this->text(at, text, 2); }
    void mark(PointF at, int colour = 7);
    void picture(std::string_view name, PointF at);
    void fill_box(PointF a, PointF b, int colour);
    void line(PointF a, PointF b, int colour);
    void cell_text(int column, int row, std::string_view text, int colour = 7);

    void pause(int n);
    // Narration m of the paragraph drawn now, heard only from the start
    // paragraph on; a pause named with it stands inside the same guard.
    void narrate(int m, Close close = Close::Yes, Narration how = Narration::Background,
                 int pause_after = 0);
    // "close wave1", sent only when the start paragraph is at most the given one.
    void close_narration(int up_to_paragraph);

    // Blink i = a … b: drawn in colour (i mod 2) × colour, a pause after each.
    void blink(int a, int b, const DrawInColour& draw, int colour = 7, int pause_length = 15);
    // Move by steps of s from d = a to b: erased at d, drawn at d + s, pause 8.
    void move(int a, int b, int s, const DrawAtOffset& draw, int colour = 7);
    // Row copy d = a … b step s: drawn at d, pause 15, erased unless d is the last.
    void row_copy(int a, int b, int s, const DrawAtOffset& draw);

    // Whether the paragraph drawn now is presented, not fast-forwarded: the
    // guard its narrations stand behind.
    bool presented() const;

    // Header of the last paragraph, the page-end mark, and the page is done.
    void end(PointF mark_at);

    platform::Surface& canvas() { return lesson_.canvas(); }
    Lesson& lesson() { return lesson_; }

private:
    void draw_header(int k, int colour);

    Lesson& lesson_;
    int number_;
    int paragraphs_ = 1;
};

}  // namespace frame
