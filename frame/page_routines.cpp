#include "frame/page_routines.h"

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace frame {

void run_page_routine(Lesson& lesson, int request) {
    const LessonPage* page = lesson.unit.lesson_page(request / 10);
    if (!page || request < 10) return;
    const int action = request % 10;
    if (page->kind == PageKind::Explanation && action == 1 && page->draw) {
        Page drawing(lesson, page->number);
        page->draw(drawing);
    } else if (page->kind == PageKind::Exercise && page->sheet) {
        if (action == 1) show_problem(lesson, *page->sheet);
        if (action == 2) celebrate(lesson, *page->sheet);
        if (action == 3) answer_wrong(lesson, *page->sheet);
    }
}

}  // namespace frame
