// The start-from dialogs: the screen a lesson page shows first, asking from
// which paragraph or problem to begin.
#include <string>

#include "frame/screen_opening.h"
#include "frame/screens.h"
#include "platform/text.h"

namespace frame {
namespace {

// "1ﾍﾟｰｼﾞ          χを求める 3": the page number, the blanks and the title.
std::string dialog_title(const LessonPage& plan) {
    const std::string blanks(std::size_t(plan.title_blanks), ' ');
    return std::to_string(plan.number) + "ﾍﾟｰｼﾞ" + blanks + std::string(plan.title);
}

std::string range_sentence(int count) {
    return "回答らんに1から" + std::to_string(count) +
           "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
}

std::string pass_sentence(int count) {
    return "1番から" + std::to_string(count) + "番まですべて ごうかくするとパスワードが出ます｡";
}

// The printed form of a number: its number-to-text form and one blank.
std::string printed(int k) { return platform::number_text(k) + " "; }

// Problem k in one of three columns of ten, with "ごうかく" when it has passed.
void list_problem(platform::Surface& canvas, int k, bool passed) {
    const int column = k < 11 ? 0 : (k > 20 ? 2 : 1);
    const int row = k - 10 * column + 8;
    canvas.draw_cell_text(7 + 28 * column, row, printed(k));
    canvas.draw_cell_text(10 + 28 * column, row, "番");
    if (passed) canvas.draw_cell_text(14 + 28 * column, row, "ごうかく");
}

// Seven concentric discs from white to blue, and the maker's word.
void draw_logo(platform::Surface& canvas) {
    for (int i = 7; i >= 1; --i) canvas.draw_circle({420, 265}, 10.0f * i, i, 1, i);
    canvas.draw_scaled_text({380, 255}, "Velmora", 1, 1, 0);
}

}  // namespace

void draw_explanation_dialog(Lesson& lesson, int page) {
    const LessonPage& plan = *lesson.unit.lesson_page(page);
    platform::Surface& canvas = lesson.canvas();
    open_screen(lesson, {640, 392});
    lesson.nav.current_page = page;
    canvas.fill_box({0, 0}, {640, 570}, 13);
    canvas.draw_scaled_text({20, 0}, dialog_title(plan), 2, 2, 10);
    canvas.fill_box({10, 35}, {630, 98}, 1);
    canvas.fill_box({10, 99}, {630, 160}, 2);
    canvas.fill_box({10, 161}, {630, 370}, 0);
    canvas.draw_cell_text(2, 2, "だん落何番から始めますか?");
    canvas.draw_cell_text(2, 3, range_sentence(plan.count()));
    for (int k = 1; k <= plan.count(); ++k)
        canvas.draw_scaled_text({104, 20.0f * k + 190}, "だん落 " + platform::number_text(k), 1, 1);
    draw_logo(canvas);
    open_entry_bar(lesson, "だん落  　     　から", {70, 3});
}

void draw_exercise_dialog(Lesson& lesson, int page) {
    const LessonPage& plan = *lesson.unit.lesson_page(page);
    platform::Surface& canvas = lesson.canvas();
    open_screen(lesson, {640, 392});
    lesson.nav.current_page = page;
    canvas.fill_box({0, 0}, {640, 570}, 14);
    canvas.draw_scaled_text({20, 0}, dialog_title(plan), 2, 2, 10);
    canvas.fill_box({10, 33}, {630, 117}, 1);
    canvas.fill_box({10, 118}, {630, 157}, 2);
    canvas.fill_box({10, 158}, {630, 370}, 0);
    canvas.draw_cell_text(2, 2, "何番から始めますか?");
    canvas.draw_cell_text(2, 3, range_sentence(plan.count()));
    canvas.draw_cell_text(2, 5, pass_sentence(plan.count()));
    const auto& flags = lesson.pass_flags.at(lesson.unit.exercise_index(page));
    for (int k = 1; k <= plan.count(); ++k) list_problem(canvas, k, flags.at(k - 1) == 1);
    open_entry_bar(lesson, "問題　  　     　から", {70, 3});
}

}  // namespace frame
