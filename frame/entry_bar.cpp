#include "frame/entry_bar.h"

#include <cmath>
#include <limits>
#include <string>

#include "frame/page_modules.h"
#include "platform/text.h"

namespace frame {
namespace {

bool in_page_select_range(const Lesson& lesson, std::string_view text) {
    for (int page = 0; page <= lesson.unit.last_lesson_page(); ++page)
        if (text == std::to_string(page)) return true;
    return false;
}

void choose_page(Lesson& lesson, platform::Form& raised_by) {
    if (!in_page_select_range(lesson, lesson.nav.entry_text)) {
        lesson.io.boxes.show({.title = "", .text = "そのページはありません！",
                              .icon = platform::MessageIcon::Question},
                             raised_by.window_widget());
        open_module(lesson, "site");
        return;
    }
    const std::string name = "pag" + lesson.nav.entry_text;
    lesson.nav.entry_mode = EntryMode::StartFrom;
    lesson.field("EDIT1").set_text("");
    open_module(lesson, name);
}

}  // namespace

std::int16_t start_number(std::string_view typed) {
    const double value = std::nearbyint(platform::number_value(typed));
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (!(value >= lowest)) return std::numeric_limits<std::int16_t>::min();
    if (!(value <= highest)) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value);
}

void on_entry_change(Lesson& lesson, platform::Form&) {
    lesson.nav.entry_text = lesson.field("EDIT1").text();
    if (lesson.nav.entry_mode == EntryMode::PageSelect) return;
    const LessonPage* page = lesson.unit.lesson_page(lesson.nav.current_page);
    if (!page) return;
    if (page->kind == PageKind::Explanation) {
        lesson.start_paragraph = start_number(lesson.nav.entry_text);
    } else {
        const ProblemGroup& group = lesson.unit.problem_groups.at(page->problem_group);
        lesson.current_problems.at(page->problem_group) =
            group.real ? platform::number_value(lesson.nav.entry_text)
                       : start_number(lesson.nav.entry_text);
    }
}

void on_entry_ok(Lesson& lesson, platform::Form& raised_by) {
    if (lesson.nav.entry_mode == EntryMode::PageSelect) {
        choose_page(lesson, raised_by);
        return;
    }
    lesson.fresh_start = 1;
    if (lesson.unit.lesson_page(lesson.nav.current_page))
        lesson.request = lesson.nav.current_page * 10 + 1;
}

}  // namespace frame
