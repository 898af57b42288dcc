#pragma once
// The small page API an explanation page is written in: a straight sequence
// of drawing, pause and narration calls, with the animation idioms written
// once here.  A page draws on the canvas with the verbs of Drawing, on the
// hidden drawing window through hidden() and on work pictures through
// work_picture().  Whatever setting of the canvas the page changes (pen,
// draw mode, font, coordinates) comes back when the page ends or is
// abandoned.

#include <functional>
#include <optional>
#include <string_view>

#include "frame/drawing.h"
#include "frame/steps.h"
#include "platform/text_font.h"

namespace frame {

enum class Close { Yes, No };              // "close wave1" before a narration
enum class Narration { Background, ToEnd };

struct PageOpening {
    int paragraphs = 1;                    // N, the number of the page-end header
    float band_right = 305;                // title band (190,0)-(band_right,band_bottom)
    float band_bottom = 22;
    std::string_view title{};              // scaled text at (200,2)
    std::optional<PointF> title_mark{};    // letter mark in the title's two blanks
    std::string_view face{};               // the canvas font of the page; empty: as it is
    Coordinates coordinates = Coordinates::Lesson;  // of the page's drawing after its heading
};

// Draws one element of an animation in a colour, at an offset.
using DrawInColour = std::function<void(int colour)>;
using DrawAtOffset = std::function<void(float offset, int colour)>;

class Page : public Drawing {
public:
    Page(Lesson& lesson, int page_number);
    ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Range check of the start paragraph, clear, canvas, title band, title and
    // "だん落 1".  A start paragraph the page lacks is refused with a message:
    // nothing is drawn and the page routine is left.
    void open(const PageOpening& opening);
    void paragraph(int k);                 // "だん落 k" replaces the old header

    void rule(PointF at, std::string_view text) { this->text(at, text, 2); }

    void pause(int n);
    // Narration m of the paragraph drawn now, heard only from the start
    // paragraph on; a pause named with it stands inside the same guard.
    void narrate(int m, Close close = Close::Yes, Narration how = Narration::Background,
                 int pause_after = 0);
    // The usual narration: after "close wave1", in the background, with the
    // pause that belongs to it.
    void say(int m, int pause_after = 0) {
        narrate(m, Close::Yes, Narration::Background, pause_after);
    }
    // "close wave1", sent only when the start paragraph is at most the given one.
    void close_narration(int up_to_paragraph);

    // The animation loop and its presets.
    void steps(const Steps& steps, const DrawStep& draw);
    // Blink i = a … b: drawn in colour (i mod 2) × colour, a pause after each.
    void blink(int a, int b, const DrawInColour& draw, int colour = 7, int pause_length = 15);
    // Move by steps of s from d = a to b: erased at d, drawn at d + s, pause 8.
    void move(float a, float b, float s, const DrawAtOffset& draw, int colour = 7);
    // Row copy d = a … b step s: drawn at d, pause 15, erased unless d is the last.
    void row_copy(float a, float b, float s, const DrawAtOffset& draw);

    // The hidden drawing window, and the off-screen work pictures: sized
    // before each use, emptied after it.
    Drawing hidden();
    Drawing work_picture(int k, Size size);
    void free_work_picture(int k);

    // Whether the paragraph drawn now is presented, not fast-forwarded: the
    // guard its narrations stand behind.
    bool presented() const;

    // Header of the last paragraph, the page-end mark, and the page is done.
    void end(PointF mark_at);

private:
    void draw_header(int k, int colour);

    Lesson& lesson_;
    int number_;
    int paragraphs_ = 1;
    // What the page may change of the canvas, as it was before the page.
    struct CanvasSettings {
        platform::LogicalWindow window;
        DrawMode mode = DrawMode::Copy;
        PenStyle style = PenStyle::Solid;
        platform::TextFont font;
    };
    CanvasSettings canvas_before_;
};

}  // namespace frame
