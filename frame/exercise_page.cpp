#include "frame/exercise_page.h"

#include <cmath>
#include <numeric>
#include <string>

#include "frame/canvas_home.h"
#include "frame/letter_mark.h"
#include "frame/pause.h"
#include "frame/refusal.h"
#include "platform/run_error.h"

namespace frame {
namespace {

double& current_problem(Lesson& lesson, const ExerciseSheet& sheet) {
    return lesson.current_problems.at(lesson.unit.lesson_page(sheet.page)->problem_group);
}

std::vector<int>& flags_of(Lesson& lesson, const ExerciseSheet& sheet) {
    return lesson.pass_flags.at(lesson.unit.exercise_index(sheet.page));
}

// Hides the page's bars and shows the page-end mark below what is drawn.
void end_page(Lesson& lesson, const ExerciseSheet& sheet) {
    const Unit& unit = lesson.unit;
    const ExerciseEntry& entry = unit.exercise_pages.at(unit.exercise_index(sheet.page));
    for (std::string_view form : entry.end_hides) lesson.form(form).hide();
    lesson.canvas().set_text_colour(1);
    lesson.canvas().draw_cell_text(30, 15, std::to_string(sheet.page) + "ページ終わり");
    lesson.request = kIdle;
}

void empty_fields(Lesson& lesson, const AnswerBar& bar) {
    for (const AnswerField& field : bar.fields) lesson.field(field.name).set_text("");
}

const AnswerBar& bar_named(const Lesson& lesson, std::string_view form) {
    for (const AnswerBar& bar : lesson.unit.bars)
        if (bar.form == form) return bar;
    throw platform::RunError(platform::ErrorNumber::NoSuchControl);
}

// Clears the canvas for a problem, heads it and shows the single-answer bar
// with its field empty and focused; the unit's other bars are hidden and
// emptied as it lists them.
void lay_out(Lesson& lesson, const ExerciseSheet& sheet) {
    platform::Surface& canvas = lesson.canvas();
    place_canvas(lesson, {640, 417});
    canvas.fill_box({0, 0}, {640, 540}, 0);
    canvas.fill_box({190, 0}, {250, 22}, 2);
    canvas.draw_scaled_text({200, 2}, sheet.header, 1, 1);
    canvas.set_text_colour(3);
    canvas.draw_cell_text(0, 2, "解答らんに答えを入力して[OK]ﾎﾞﾀﾝをおしなさい｡");
    for (const LayoutHide& hide : lesson.unit.layout_hides) {
        lesson.form(hide.form).hide();
        for (std::string_view field : hide.fields) lesson.field(field).set_text("");
    }
    const AnswerBar& single = bar_named(lesson, "FORM7");
    lesson.form("FORM7").show();
    lesson.form("FORM7").surface().clear();
    empty_fields(lesson, single);
    lesson.field(single.fields.front().name).focus();
    canvas.set_text_colour(7);
}

void label_bar(Lesson& lesson, const ExerciseSheet& sheet, const Problem& problem) {
    const AnswerBar& bar = bar_named(lesson, sheet.bar);
    platform::Form& form = lesson.form(bar.form);
    if (bar.form != "FORM7") {
        form.show();
        form.surface().clear();
    }
    for (const BarLabel& label : sheet.labels)
        form.surface().draw_scaled_text(label.at, label.text, 1, 1);
    for (const BarLabel& label : problem.labels)
        form.surface().draw_scaled_text(label.at, label.text, 1, 1);
    if (bar.form != "FORM7") {
        empty_fields(lesson, bar);
        lesson.field(bar.fields.front().name).focus();
    }
}

void show_mascots(Lesson& lesson, std::string_view upper, std::string_view lower) {
    platform::Surface& panel = lesson.form("FORM6").surface();
    panel.draw_picture(lesson.picture(upper), {5, 25});
    panel.draw_picture(lesson.picture(lower), {5, 235});
}

// The reward password when every problem of the page has passed.
void check_reward(Lesson& lesson, const ExerciseSheet& sheet) {
    platform::Surface& canvas = lesson.canvas();
    canvas.fill_box({0, 30}, {640, 490}, 0);
    canvas.set_text_colour(7);
    const auto& flags = flags_of(lesson, sheet);
    if (std::accumulate(flags.begin(), flags.end(), 0) != int(flags.size())) return;
    canvas.set_font_size(24);
    canvas.draw_cell_text(sheet.reward.column, sheet.reward.row,
                          "やったね!パスワードは " + std::string(sheet.password) + " だよ!");
    canvas.set_font_size(16);
    canvas.draw_cell_text(8, 13, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!");
    pause(lesson, 200);
}

}  // namespace

void ExerciseScreen::cell_text(int column, int row, std::string_view text) {
    lesson_.canvas().draw_cell_text(column, row, text);
}

void ExerciseScreen::colour(int text_colour) { lesson_.canvas().set_text_colour(text_colour); }

void ExerciseScreen::mark(PointF at, int colour) { draw_letter_mark(lesson_.canvas(), at, colour); }

void ExerciseScreen::fill_box(PointF a, PointF b, int colour) {
    lesson_.canvas().fill_box(a, b, colour);
}

void ExerciseScreen::font(std::string_view face) { lesson_.canvas().set_font(face, 16); }

void ExerciseScreen::rows(const Problem& problem) {
    for (const CellRow& row : problem.rows) cell_text(row.column, row.row, row.text);
    for (PointF at : problem.marks) mark(at);
}

std::string_view ExerciseScreen::typed(int slot) const { return lesson_.answer_slots.at(slot); }

int ExerciseScreen::problem_number() const {
    return static_cast<int>(current_problem(lesson_, sheet_));
}

void show_problem(Lesson& lesson, const ExerciseSheet& sheet) {
    const double c = current_problem(lesson, sheet);
    const int n = static_cast<int>(sheet.problems.size());
    const bool whole = c == std::floor(c);
    if (c == n + 1 && lesson.fresh_start == 0) return end_page(lesson, sheet);
    if (!whole || c < 1 || c > n) return refuse_number(lesson, "その番号はありません！");

    lesson.fresh_start = 0;
    lay_out(lesson, sheet);
    const Problem& problem = sheet.problems[static_cast<std::size_t>(c) - 1];
    for (std::size_t k = 0; k < problem.keys.size(); ++k)
        lesson.keys[k + 1] = std::string(problem.keys[k]);
    ExerciseScreen screen(lesson, sheet);
    if (sheet.draw_problem)
        sheet.draw_problem(screen, problem);
    else
        screen.rows(problem);
    for (const CellRow& row : sheet.rows) screen.cell_text(row.column, row.row, row.text);
    for (PointF at : sheet.marks) screen.mark(at);
    label_bar(lesson, sheet, problem);
    lesson.request = kIdle;
}

void celebrate(Lesson& lesson, const ExerciseSheet& sheet) {
    platform::Surface& canvas = lesson.canvas();
    canvas.fill_box(sheet.feedback_from, sheet.feedback_to, 0);
    canvas.set_text_colour(2);
    canvas.draw_cell_text(sheet.praise.column, sheet.praise.row, "天才!ごうかく!");
    double& c = current_problem(lesson, sheet);
    flags_of(lesson, sheet).at(static_cast<std::size_t>(c) - 1) = 1;
    show_mascots(lesson, "\\ﾎﾟｺ2.BMP", "\\ﾐﾙ2.BMP");
    narrate_in_background(lesson, "SOUND80.WAV");
    pause(lesson, 250);
    lesson.io.sound.send("close wave1");
    show_mascots(lesson, "\\ﾎﾟｺ.BMP", "\\ﾐﾙ.BMP");
    check_reward(lesson, sheet);
    c += 1;
    show_problem(lesson, sheet);
}

void answer_wrong(Lesson& lesson, const ExerciseSheet& sheet) {
    ExerciseScreen screen(lesson, sheet);
    const Problem& problem =
        sheet.problems.at(static_cast<std::size_t>(screen.problem_number()) - 1);
    if (sheet.wrong) {
        sheet.wrong(screen, problem);
    } else {
        screen.colour(2);
        screen.cell_text(sheet.wrong_message.column, sheet.wrong_message.row,
                         sheet.wrong_message.text);
        screen.cell_text(sheet.hint_cell.column, sheet.hint_cell.row, problem.hint);
    }
    screen.colour(7);
    lesson.request = kIdle;
}

}  // namespace frame
