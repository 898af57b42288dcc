#include "frame/explanation_page.h"

#include <string>

#include "frame/canvas_home.h"
#include "frame/letter_mark.h"
#include "frame/page_abandon.h"
#include "frame/pause.h"
#include "frame/refusal.h"

namespace frame {
namespace {

std::string header_text(int k) { return "だん落 " + std::to_string(k); }

std::string narration_file(int m) { return "SOUND" + std::to_string(m) + ".WAV"; }

}  // namespace

Page::Page(Lesson& lesson, int page_number) : lesson_(lesson), number_(page_number) {}

void Page::open(const PageOpening& opening) {
    paragraphs_ = opening.paragraphs;
    if (lesson_.start_paragraph < 1 || lesson_.start_paragraph > paragraphs_) {
        refuse_number(lesson_, "その段落はありません！");
        throw PageAbandoned{};
    }
    fill_box({0, 0}, {640, 490}, 0);
    place_canvas(lesson_, {640, 434});
    fill_box({190, 0}, {opening.band_right, 22}, 2);
    canvas().draw_scaled_text({200, 2}, opening.title, 1, 1);
    if (opening.title_mark) mark(*opening.title_mark);
    lesson_.current_paragraph = 1;
    lesson_.fast_forward_applies = true;
    draw_header(1, 7);
}

void Page::paragraph(int k) {
    draw_header(k - 1, 0);
    draw_header(k, 7);
    lesson_.current_paragraph = k;
}

void Page::draw_header(int k, int colour) {
    canvas().draw_scaled_text({570, 2}, header_text(k), 1, 1, colour);
}

void Page::text(PointF at, std::string_view text, int colour) {
    canvas().draw_scaled_text(at, text, 1, 1, colour);
}

void Page::scaled_text(PointF at, std::string_view text, int x_scale, int y_scale, int colour) {
    canvas().draw_scaled_text(at, text, x_scale, y_scale, colour);
}

void Page::mark(PointF at, int colour) { draw_letter_mark(canvas(), at, colour); }

void Page::picture(std::string_view name, PointF at) {
    canvas().draw_picture(lesson_.picture(name), at);
}

void Page::fill_box(PointF a, PointF b, int colour) { canvas().fill_box(a, b, colour); }

void Page::line(PointF a, PointF b, int colour) { canvas().draw_line(a, b, colour); }

void Page::cell_text(int column, int row, std::string_view text, int colour) {
    canvas().set_text_colour(colour);
    canvas().draw_cell_text(column, row, text);
}

void Page::pause(int n) { frame::pause(lesson_, n); }

bool Page::presented() const { return lesson_.start_paragraph < lesson_.current_paragraph + 1; }

void Page::narrate(int m, Close close, Narration how, int pause_after) {
    if (!presented()) return;
    if (close == Close::Yes) lesson_.io.sound.send("close wave1");
    if (how == Narration::ToEnd)
        narrate_to_end(lesson_, narration_file(m));
    else
        narrate_in_background(lesson_, narration_file(m));
    if (pause_after > 0) pause(pause_after);
}

void Page::close_narration(int up_to_paragraph) {
    if (lesson_.start_paragraph <= up_to_paragraph) lesson_.io.sound.send("close wave1");
}

void Page::blink(int a, int b, const DrawInColour& draw, int colour, int pause_length) {
    for (int i = a; i <= b; ++i) {
        draw((i % 2) * colour);
        pause(pause_length);
    }
}

void Page::move(int a, int b, int s, const DrawAtOffset& draw, int colour) {
    for (int d = a; d <= b; d += s) {
        draw(d, 0);
        draw(d + s, colour);
        pause(8);
    }
}

void Page::row_copy(int a, int b, int s, const DrawAtOffset& draw) {
    for (int d = a; d <= b; d += s) {
        draw(d, 7);
        pause(15);
        if (d + s > b) break;
        draw(d, 0);
    }
}

void Page::end(PointF mark_at) {
    draw_header(paragraphs_ - 1, 0);
    draw_header(paragraphs_, 7);
    canvas().draw_scaled_text(mark_at, std::to_string(number_) + "ページ終わり", 1, 1, 1);
    lesson_.fast_forward_applies = false;
    lesson_.request = kIdle;
}

}  // namespace frame
