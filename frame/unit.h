#pragma once
// A unit of the course as the frame sees it: the values that make one lesson
// program out of the shared frame.  A unit is this value plus its page
// routines; the frame holds no unit's data of its own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/geometry.h"
#include "frame/progress_record.h"

namespace frame {

class Page;
struct Lesson;
struct ExerciseSheet;

enum class PageKind { Explanation, Exercise };

// One lesson page of the page plan (pages 1 to the last lesson page).  Its
// start-from dialog is titled with the page number, "ﾍﾟｰｼﾞ", the blanks and
// the title ("1ﾍﾟｰｼﾞ          χを求める 3"), and names the count in its
// sentences.
struct LessonPage {
    int number = 0;
    PageKind kind = PageKind::Explanation;
    int paragraphs = 0;                    // explanation pages: the page-end header's number
    std::string_view title{};              // "χを求める 3"
    int title_blanks = 10;                 // between "1ﾍﾟｰｼﾞ" and the title
    void (*draw)(Page&) = nullptr;         // explanation pages: the storyboard
    const ExerciseSheet* sheet = nullptr;  // exercise pages: the problems
    int problem_group = 0;                 // exercise pages: which current problem they use

    // The paragraphs of an explanation page, the problems of an exercise page.
    int count() const;
};

struct ProblemGroup {
    bool real = false;  // kept as typed (a real number) instead of a 16-bit whole number
};

struct ContentsLine {
    int row = 0;
    std::string_view text{};
};

struct NavigationReset {
    std::vector<std::string_view> fields{};  // emptied in this order
    std::vector<std::string_view> bars{};    // hidden in this order
};

enum class CanvasHome { Fixed, BelowTag };

// What the event loop does before a further handler of one loop turn.
enum class PreHandlerReset { Sound, SoundAndCanvas, SoundAndDrawMode };

// An answer field and the answer slot its change handler fills (0: the
// field has no change handler).
struct AnswerField {
    std::string_view name{};  // "EDIT2"
    int slot = 1;
};

// One comparison of an OK rule: the answer slot holds the key, or the
// alternative key when there is one (0: none).
struct SlotCheck {
    int slot = 1;
    int key = 1;
    int alt_key = 0;
};

// How an OK handler judges the typed answers on the pages it serves.
struct OkRule {
    int page = 0;             // 0: every page; else only this page
    bool order_free = false;  // the bar's answers may come in any order
    std::vector<SlotCheck> checks{};
};

struct Font {
    std::string_view face{};
    int size = 16;
};

struct AnswerBar {
    std::string_view form{};                 // "FORM7"
    std::vector<AnswerField> fields{};       // in order; the first gets the focus
    std::string_view ok_handler{};           // "BUTTON2_ON"; empty: the bar has none
    std::vector<OkRule> ok{};                // the first rule that serves the page judges;
                                             // on other pages OK leaves the request as it is
    std::optional<Font> font{};              // set at start-up; none: the description's
};

// A bar the exercise layout hides before a problem, and the fields it empties.
struct LayoutHide {
    std::string_view form{};
    std::vector<std::string_view> fields{};
};

struct Unit {
    std::string_view name{};    // program name, "expr-solve-2"
    std::string_view folder{};  // the unit folder under the base folder, "ES2"
    std::string_view title{};   // on the contents page

    std::vector<LessonPage> pages{};             // lesson pages in page order
    std::vector<ProblemGroup> problem_groups{};  // current problems, by group
    std::vector<ContentsLine> contents_lines{};  // one for each lesson page, in page order
    std::vector<PointF> contents_marks{};
    int contents_pass_column = 55;
    std::string_view page_select_contents = "目次 ------------------ 0ページ";

    // Main module, mainform, pag…, site, move: the modules a program holds.
    std::vector<std::string_view> module_table = {"main", "mainform", "pag1", "pag2", "pag3",
                                                  "pag4", "pag5", "pag0", "site", "move"};
    NavigationReset navigation_reset{};
    CanvasHome canvas_home = CanvasHome::BelowTag;
    PreHandlerReset pre_handler_reset = PreHandlerReset::Sound;
    bool modules_reset_logical_window = false;

    std::vector<AnswerBar> bars{};  // the single-answer bar FORM7 first
    std::vector<LayoutHide> layout_hides = {{"FORM9", {}}};  // the exercise layout hides, in order
    std::vector<std::string_view> end_hides{};  // an exercise page's end hides, in order,
                                                // unless its sheet names its own

    // Start-up.
    std::optional<Size> drawing_window{};       // the hidden drawing window FORM2
    std::int16_t fresh_start = 1;
    bool canvas_keeps_drawing = false;           // map mode and redraw mode 1 on the canvas
    int bitmap_objects = 0;                      // empty off-screen pictures for page routines
    std::optional<Font> entry_bar_font{};        // none: the description's

    std::vector<std::string_view> data_pictures{};    // read after the frame's six, "\\PF.BMP"
    std::vector<std::string_view> folder_pictures{};  // pictures read from the unit folder

    const LessonPage* lesson_page(int number) const {
        for (const LessonPage& page : pages)
            if (page.number == number) return &page;
        return nullptr;
    }
    int last_lesson_page() const { return pages.empty() ? 0 : pages.back().number; }
    // The end-of-unit page follows the last lesson page and stands for it.
    int end_page_module() const { return last_lesson_page() + 1; }

    // The exercise pages, in page order: the lesson pages with a sheet.
    std::vector<const LessonPage*> exercise_pages() const {
        std::vector<const LessonPage*> found;
        for (const LessonPage& page : pages)
            if (page.sheet) found.push_back(&page);
        return found;
    }
    // The position of an exercise page among the unit's exercise pages.
    std::size_t exercise_index(int page) const {
        const std::vector<const LessonPage*> exercises = exercise_pages();
        for (std::size_t i = 0; i < exercises.size(); ++i)
            if (exercises[i]->number == page) return i;
        return exercises.size();
    }
    // The row of a lesson page's contents line.
    int contents_row(int page) const {
        return contents_lines.at(static_cast<std::size_t>(page - 1)).row;
    }
    // The progress record holds the pass flags of every exercise page, one
    // for each problem of its sheet.
    RecordLayout record_layout() const;
};

// Where a program finds the unit's form descriptions among its resources.
inline std::string form_resources(const Unit& unit) {
    return ":/" + std::string(unit.name) + "/forms";
}

}  // namespace frame
