// The navigation bar's handlers: the seven picture buttons.
#include "frame/navigation.h"

#include "frame/page_modules.h"

namespace frame {
namespace {

enum class Reset { WithTextColour, KeepTextColour };

// What every navigation button but "exit" does first.
void navigation_reset(Lesson& lesson, platform::Form& raised_by, Reset reset) {
    for (std::string_view field : lesson.unit.navigation_reset.fields)
        lesson.field(field).set_text("");
    for (std::string_view bar : lesson.unit.navigation_reset.bars)
        lesson.form(bar).hide();
    platform::Surface& surface = raised_by.surface();
    surface.set_logical_window(0, 0, 639, 568);
    surface.set_draw_style(0);
    surface.set_draw_mode(13);
    if (reset == Reset::WithTextColour) surface.set_text_colour(7);
    lesson.nav.entry_mode = EntryMode::StartFrom;
}

void open_current_page(Lesson& lesson) {
    open_module(lesson, page_module_name(lesson.nav.current_page));
}

}  // namespace

void on_befor(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::WithTextColour);
    Navigation& nav = lesson.nav;
    nav.previous_page = nav.current_page;
    nav.current_page = nav.current_page - 1 == -1 ? 0 : nav.current_page - 1;
    open_current_page(lesson);
}

void on_last(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::WithTextColour);
    const std::string name = page_module_name(lesson.nav.previous_page);
    lesson.nav.previous_page = lesson.nav.current_page;
    open_module(lesson, name);
}

void on_next(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::WithTextColour);
    lesson.nav.previous_page = lesson.nav.current_page;
    lesson.nav.current_page += 1;
    open_current_page(lesson);
}

void on_where(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::WithTextColour);
    lesson.nav.previous_page = lesson.nav.current_page;
    open_module(lesson, "site");
}

void on_head(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::KeepTextColour);
    open_current_page(lesson);
}

void on_top(Lesson& lesson, platform::Form& raised_by) {
    navigation_reset(lesson, raised_by, Reset::WithTextColour);
    lesson.nav.previous_page = lesson.nav.current_page;
    open_module(lesson, "pag0");
}

void on_exit(Lesson& lesson, platform::Form&) { lesson.request = kEndOfUnit; }

}  // namespace frame
