// The contents page, the page-select screen and the end-of-unit page.
#include "frame/screens.h"

#include <string>

#include "frame/letter_mark.h"
#include "frame/page_modules.h"
#include "frame/screen_opening.h"

namespace frame {
namespace {

// The lines of the lesson pages with their letter marks, and "ごうかく!"
// beside every exercise page whose problems have all passed.
void draw_contents_lines(Lesson& lesson) {
    platform::Surface& canvas = lesson.canvas();
    for (const ContentsLine& line : lesson.unit.contents_lines)
        canvas.draw_cell_text(2, line.row, line.text);
    for (platform::PointF mark : lesson.unit.contents_marks) draw_letter_mark(canvas, mark, 7);
    const std::vector<const LessonPage*> exercises = lesson.unit.exercise_pages();
    for (std::size_t list = 0; list < exercises.size(); ++list) {
        if (all_passed(lesson.pass_flags[list]))
            canvas.draw_cell_text(lesson.unit.contents_pass_column,
                                  lesson.unit.contents_row(exercises[list]->number), "ごうかく!");
    }
}

// The question of the page-select screen, over the pages 0 to the last.
std::string page_select_sentence(const Unit& unit) {
    return "何ページを開けますか? 0から" + std::to_string(unit.last_lesson_page()) +
           "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
}

}  // namespace

void draw_contents(Lesson& lesson) {
    platform::Surface& canvas = lesson.canvas();
    lesson.nav.current_page = 0;
    canvas.clear();
    canvas.fill_box({0, 0}, {640, 570}, 6);
    canvas.fill_box({0, 0}, {640, 52}, 2);
    canvas.draw_scaled_text({100, 5}, "Quilbet", 1, 1, 5);
    canvas.draw_scaled_text({100, 29}, lesson.unit.title, 1, 1);
    canvas.draw_scaled_text({20, 57}, "0ﾍﾟｰｼﾞ          目次", 2, 2, 10);
    canvas.fill_box({10, 96}, {630, 300}, 0);
    canvas.fill_box({0, 510}, {640, 570}, 5);
    canvas.set_text_colour(7);
    draw_contents_lines(lesson);
}

void open_contents(Lesson& lesson) {
    open_screen(lesson, {640, 434});
    draw_contents(lesson);
}

void draw_page_select(Lesson& lesson) {
    platform::Surface& canvas = lesson.canvas();
    open_screen(lesson, {640, 392});
    canvas.fill_box({0, 0}, {640, 509}, 7);
    canvas.fill_box({10, 30}, {630, 80}, 0);
    canvas.fill_box({10, 90}, {630, 300}, 1);
    canvas.draw_scaled_text({24, 7}, "ページ指定", 1, 1, 3);
    canvas.draw_cell_text(2, 2, page_select_sentence(lesson.unit));
    canvas.draw_cell_text(18, 5, lesson.unit.page_select_contents);
    draw_contents_lines(lesson);
    lesson.nav.entry_mode = EntryMode::PageSelect;
    open_entry_bar(lesson, "ページから", {202, 3});
}

void draw_end_of_unit(Lesson& lesson) {
    platform::Surface& canvas = lesson.canvas();
    open_screen(lesson, {640, 434});
    lesson.nav.current_page = lesson.unit.last_lesson_page();
    canvas.fill_box({0, 0}, {640, 550}, 14);
    canvas.draw_cell_text(10, 7, "単元終わり");
}

}  // namespace frame
