#include "frame/exercise_page.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/answer_bars.h"
#include "frame/canvas_home.h"
#include "frame/lesson.h"
#include "frame/pause.h"
#include "frame/refusal.h"
#include "platform/run_error.h"

namespace frame {
namespace {

double& current_problem(Lesson& lesson, const ExerciseSheet& sheet) {
    return lesson.current_problems.at(lesson.unit.lesson_page(sheet.page)->problem_group);
}

// The problem on screen: the current problem when it is one of the page's,
// none while the number is one the page refused.
const Problem* shown_problem(Lesson& lesson, const ExerciseSheet& sheet) {
    const double c = current_problem(lesson, sheet);
    const double n = static_cast<double>(sheet.problems.size());
    if (c != std::floor(c) || c < 1 || c > n) return nullptr;
    return &sheet.problems[static_cast<std::size_t>(c) - 1];
}

std::vector<int>& flags_of(Lesson& lesson, const ExerciseSheet& sheet) {
    return lesson.pass_flags.at(lesson.unit.exercise_index(sheet.page));
}

// Hides the page's bars and shows the page-end mark below what is drawn.
void end_page(Lesson& lesson, const ExerciseSheet& sheet) {
    const auto& hides = sheet.end_hides.empty() ? lesson.unit.end_hides : sheet.end_hides;
    for (std::string_view form : hides) lesson.form(form).hide();
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

// A problem on a bar of its own shows that bar over the single-answer bar,
// cleared, with its fields empty and the first focused; then the labels.
void label_bar(Lesson& lesson, const ExerciseSheet& sheet, const Problem& problem) {
    const AnswerBar& bar = bar_named(lesson, problem.bar.empty() ? sheet.bar : problem.bar);
    platform::Form& form = lesson.form(bar.form);
    const bool own_bar = bar.form != "FORM7";
    if (own_bar) {
        form.show();
        form.surface().clear();
    }
    if (sheet.label_font) form.surface().set_font(sheet.label_font->face, sheet.label_font->size);
    for (const BarLabel& label : sheet.labels)
        form.surface().draw_scaled_text(label.at, label.text, 1, 1);
    for (const BarLabel& label : problem.labels)
        form.surface().draw_scaled_text(label.at, label.text, 1, 1);
    if (own_bar) {
        empty_fields(lesson, bar);
        lesson.field(bar.fields.front().name).focus();
    }
}

void draw_problem(ExerciseScreen& screen, const ExerciseSheet& sheet, const Problem& problem) {
    screen.draw(problem.show);
    if (problem.figure) problem.figure(screen);
    if (problem.instructions) screen.draw(sheet.instructions);
    screen.draw(sheet.show);
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
    if (!all_passed(flags_of(lesson, sheet))) return;
    canvas.set_font_size(24);
    canvas.draw_cell_text(sheet.reward.column, sheet.reward.row,
                          "やったね!パスワードは " + std::string(sheet.password) + " だよ!");
    canvas.set_font_size(16);
    canvas.draw_cell_text(8, 13, "計算用紙に５回書いて、漢字練習しよう!ポイントが２倍になるよ!");
    pause(lesson, 200);
}

bool fits(const Lesson& lesson, const Hint& hint, int problem) {
    return hint.problems.hold(problem) &&
           std::ranges::all_of(hint.keys,
                               [&](const SlotCheck& c) { return check_holds(lesson, c); }) &&
           std::ranges::all_of(hint.typed,
                               [&](const TypedText& t) { return slot_is(lesson, t.slot, t.text); });
}

void show_own_hint(ExerciseScreen& screen, const ExerciseSheet& sheet, const Problem& problem) {
    screen.draw(sheet.lead);
    int row = sheet.hint_cell.row;
    for (std::string_view line : problem.hint) screen.cell_text(sheet.hint_cell.column, row++, line);
}

}  // namespace

void show_problem(Lesson& lesson, const ExerciseSheet& sheet) {
    const double c = current_problem(lesson, sheet);
    const double n = static_cast<double>(sheet.problems.size());
    if (c == n + 1 && lesson.fresh_start == 0) return end_page(lesson, sheet);

    const Problem* problem = shown_problem(lesson, sheet);
    const bool lays_out =
        sheet.number_test == NumberTest::AfterLayout ? c > 0 && c < n + 1 : problem != nullptr;
    if (lays_out) {
        lesson.fresh_start = 0;
        lay_out(lesson, sheet);
    }
    ExerciseScreen screen(lesson, sheet);
    {
        const Scoped coordinates = screen.coordinates(sheet.coordinates);
        screen.draw(sheet.before_number_test);
        if (!problem) return refuse_number(lesson, "その番号はありません！");
        std::ranges::copy(problem->keys, lesson.keys.begin() + 1);
        draw_problem(screen, sheet, *problem);
    }
    label_bar(lesson, sheet, *problem);
    lesson.request = kIdle;
}

void celebrate(Lesson& lesson, const ExerciseSheet& sheet) {
    lesson.request = kIdle;
    if (!shown_problem(lesson, sheet)) return;
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
    lesson.request = kIdle;
    const Problem* problem = shown_problem(lesson, sheet);
    if (!problem) return;
    ExerciseScreen screen(lesson, sheet);
    if (sheet.hint_clear) {
        screen.fill_box(sheet.hint_clear->from, sheet.hint_clear->to, 0);
        screen.text_colour(7);
    }
    screen.text_colour(2);
    const int number = screen.problem_number();
    const auto hint = std::ranges::find_if(
        sheet.hints, [&](const Hint& h) { return fits(lesson, h, number); });
    if (hint != sheet.hints.end()) {
        if (hint->clear) screen.fill_box(hint->clear->from, hint->clear->to, 0);
        screen.draw(hint->show);
    } else {
        show_own_hint(screen, sheet, *problem);
    }
    screen.text_colour(7);
}

}  // namespace frame
