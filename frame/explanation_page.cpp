#include "frame/explanation_page.h"

#include <string>
#include <utility>

#include "frame/canvas_home.h"
#include "frame/lesson.h"
#include "frame/page_abandon.h"
#include "frame/pause.h"
#include "frame/refusal.h"

namespace frame {
namespace {

std::string header_text(int k) { return "だん落 " + std::to_string(k); }

std::string narration_file(int m) { return "SOUND" + std::to_string(m) + ".WAV"; }

}  // namespace

Page::Page(Lesson& lesson, int page_number)
    : Drawing(lesson, lesson.canvas()), lesson_(lesson), number_(page_number) {
    const platform::SurfaceState& now = lesson.canvas().state();
    canvas_before_ = {now.window, now.mode, now.style, now.font};
}

// Put back directly: this runs while an abandoned page unwinds, where a
// throw would end the program.
Page::~Page() {
    platform::Surface& canvas = surface();
    canvas.restore_logical_window(canvas_before_.window);
    canvas.restore_draw_mode(canvas_before_.mode);
    canvas.restore_draw_style(canvas_before_.style);
    canvas.restore_font(std::move(canvas_before_.font));
}

void Page::open(const PageOpening& opening) {
    paragraphs_ = opening.paragraphs;
    if (lesson_.start_paragraph < 1 || lesson_.start_paragraph > paragraphs_) {
        refuse_number(lesson_, "その段落はありません！");
        throw PageAbandoned{};
    }
    fill_box({0, 0}, {640, 490}, 0);
    place_canvas(lesson_, {640, 434});
    fill_box({190, 0}, {opening.band_right, opening.band_bottom}, 2);
    text({200, 2}, opening.title);
    if (opening.title_mark) mark(*opening.title_mark);
    if (!opening.face.empty()) surface().set_font(opening.face, surface().state().font.size);
    if (opening.coordinates == Coordinates::Pixels) surface().set_logical_window(0, 0, 639, 479);
    lesson_.current_paragraph = 1;
    lesson_.fast_forward_applies = true;
    draw_header(1, 7);
}

void Page::paragraph(int k) {
    draw_header(k - 1, 0);
    draw_header(k, 7);
    lesson_.current_paragraph = k;
}

void Page::draw_header(int k, int colour) { text({570, 2}, header_text(k), colour); }

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

void Page::steps(const Steps& s, const DrawStep& draw) {
    const int count = step_count(s);
    for (int k = 0; k < count; ++k) {
        const float i = s.from + static_cast<float>(k) * s.by;
        const bool last = k + 1 == count;
        if (s.erase == Erase::Box) fill_box(s.box_from, s.box_to, 0);
        if (s.erase == Erase::Previous) draw(i - s.by, 0);
        const bool off = s.erase == Erase::Alternate && static_cast<long>(i) % 2 == 0;
        draw(i, off ? 0 : s.colour);
        pause(s.pause);
        if (s.erase == Erase::After || (s.erase == Erase::AllButLast && !last)) draw(i, 0);
    }
}

void Page::blink(int a, int b, const DrawInColour& draw, int colour, int pause_length) {
    steps({.from = float(a), .to = float(b), .pause = pause_length, .colour = colour,
           .erase = Erase::Alternate},
          [&](float, int c) { draw(c); });
}

void Page::move(float a, float b, float s, const DrawAtOffset& draw, int colour) {
    steps({.from = a + s, .to = b + s, .by = s, .pause = 8, .colour = colour,
           .erase = Erase::Previous},
          draw);
}

void Page::row_copy(float a, float b, float s, const DrawAtOffset& draw) {
    steps({.from = a, .to = b, .by = s, .pause = 15, .erase = Erase::AllButLast}, draw);
}

Drawing Page::hidden() { return Drawing(lesson_, lesson_.form("FORM2").surface()); }

Drawing Page::work_picture(int k, Size size) {
    platform::Surface& picture = lesson_.bitmap_objects.at(static_cast<std::size_t>(k));
    picture.set_client_size(size.width, size.height);
    picture.clear();
    return Drawing(lesson_, picture);
}

void Page::free_work_picture(int k) {
    lesson_.bitmap_objects.at(static_cast<std::size_t>(k)).set_client_size(0, 0);
}

void Page::end(PointF mark_at) {
    draw_header(paragraphs_ - 1, 0);
    draw_header(paragraphs_, 7);
    text(mark_at, std::to_string(number_) + "ページ終わり", 1);
    lesson_.fast_forward_applies = false;
    lesson_.request = kIdle;
}

}  // namespace frame
