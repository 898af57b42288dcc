#include "frame/page_modules.h"

#include <algorithm>
#include <cctype>

#include "frame/canvas_home.h"
#include "frame/screens.h"
#include "platform/run_error.h"
#include "platform/text.h"

namespace frame {
namespace {

bool same_name(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The main module and `mainform` head the table but cannot be opened.
constexpr std::size_t kFirstOpenable = 2;

// Where each window of the group stands from the blackboard tag.
struct GroupPlace {
    std::string_view form;
    QPoint offset;
};
constexpr GroupPlace kWindowGroup[] = {
    {"MAINFORM", {0, 22}}, {"FORM3", {0, 414}}, {"FORM5", {0, 480}},
    {"FORM6", {641, 0}},   {"FORM8", {0, 440}},
};
constexpr QPoint kBarOffset{0, 414};

// Moves the blackboard tag between (0,0) and (400,300), the canvas, the
// entry bar, the strip, the mascots, the navigation bar and every answer bar
// with it.
void move_window_group(Lesson& lesson) {
    platform::Form& tag = lesson.form("FORM4");
    const QPoint to = tag.position().x() == 0 ? QPoint{400, 300} : QPoint{0, 0};
    tag.move_to(to);
    for (const GroupPlace& window : kWindowGroup)
        lesson.form(window.form).move_to(to + window.offset);
    for (const AnswerBar& bar : lesson.unit.bars) lesson.form(bar.form).move_to(to + kBarOffset);
}

void run_module(Lesson& lesson, std::string_view name) {
    if (name == "move") return move_window_group(lesson);
    if (name == "site") return draw_page_select(lesson);
    const int page = std::stoi(std::string(name.substr(3)));
    if (page == 0) return open_contents(lesson);
    if (page == lesson.unit.end_page_module()) return draw_end_of_unit(lesson);
    const LessonPage* lesson_page = lesson.unit.lesson_page(page);
    if (lesson_page && lesson_page->kind == PageKind::Explanation)
        return draw_explanation_dialog(lesson, page);
    if (lesson_page) return draw_exercise_dialog(lesson, page);
    throw platform::RunError(platform::ErrorNumber::NoSuchModule);
}

}  // namespace

std::string page_module_name(int page) {
    return "pag" + platform::number_text(page).substr(1);
}

void open_module(Lesson& lesson, std::string_view name) {
    const auto& table = lesson.unit.module_table;
    const auto found = std::ranges::find_if(
        table, [&](std::string_view entry) { return same_name(entry, name); });
    if (found == table.end() || found - table.begin() < std::ptrdiff_t(kFirstOpenable))
        throw platform::RunError(platform::ErrorNumber::NoSuchModule);
    ModuleScope scope(lesson, *found);
    run_module(lesson, *found);
}

}  // namespace frame
