// What the frame does in every unit of the course, and the units that
// differ: the page plan agreeing with the pages, sheets and contents lines,
// no problem passed by an empty answer, the window group following the
// blackboard tag, what a navigation button empties and hides, and what the
// event loop gives back before a further handler of one turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "frame/event_loop.h"
#include "frame/exercise_page.h"
#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

using harness::Nav;
using harness::Pupil;
using platform::DrawMode;

// This unit's row in a table of the units that differ, or the others' row.
template <typename Row, std::size_t N>
const Row& row_of(const Row (&table)[N], std::string_view unit, const Row& others) {
    const Row* row = std::ranges::find(table, unit, &Row::unit);
    return row == std::end(table) ? others : *row;
}

// What a unit states of its pages beside its sheets: pages numbered in
// order, a sheet for each exercise page and a storyboard for each
// explanation page, a contents line naming each page, the paragraphs each
// explanation page has (opened from the last it draws to its end, one
// further is refused), and no more exercise pages than the record's header
// counts.
TEST(PagePlan, InEveryUnitItAgreesWithThePagesTheirSheetsAndTheContents) {
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        ASSERT_EQ(unit->contents_lines.size(), unit->pages.size());
        EXPECT_LE(unit->exercise_pages().size(), 3u);
        for (std::size_t i = 0; i < unit->pages.size(); ++i) {
            const frame::LessonPage& page = unit->pages[i];
            const int number = static_cast<int>(i) + 1;
            SCOPED_TRACE("page " + std::to_string(number));
            EXPECT_EQ(page.number, number);
            EXPECT_TRUE(unit->contents_lines[i].text.ends_with(std::to_string(number) + "ページ"));
            if (page.kind == frame::PageKind::Exercise) {
                ASSERT_NE(page.sheet, nullptr);
                EXPECT_EQ(page.sheet->page, number);
                EXPECT_EQ(page.draw, nullptr);
                continue;
            }
            EXPECT_EQ(page.sheet, nullptr);
            ASSERT_NE(page.draw, nullptr);
            Pupil pupil(*unit);
            pupil.open(number, std::to_string(page.paragraphs));
            EXPECT_TRUE(pupil.shows_text(std::to_string(number) + "ページ終わり"));
            const std::size_t boxes = pupil.boxes().size();
            pupil.open(number, std::to_string(page.paragraphs + 1));
            ASSERT_EQ(pupil.boxes().size(), boxes + 1);
            EXPECT_EQ(pupil.boxes().back().text, "その段落はありません！");
        }
    }
}

// "O  K" with every field of a problem's bar empty never passes the problem.
TEST(ExercisePages, InEveryUnitAnEmptyAnswerPassesNoProblem) {
    const std::vector<std::string_view> empty(7, "");
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        Pupil pupil(*unit);
        for (const frame::LessonPage* page : unit->exercise_pages()) {
            for (int k = 1; k <= page->count(); ++k) {
                pupil.open(page->number, std::to_string(k)).answer(empty);
                const auto& flags = pupil.lesson().pass_flags.at(unit->exercise_index(page->number));
                EXPECT_EQ(flags.at(static_cast<std::size_t>(k - 1)), 0)
                    << "page " << page->number << " problem " << k;
            }
        }
    }
}

// The window group at start-up; the tag moves it to (400, 300) and back.
struct StartPlace {
    std::string_view form;
    QPoint at;
};
constexpr StartPlace kGroup[] = {
    {"FORM4", {0, 0}},     {"FORM3", {0, 414}},  {"FORM5", {0, 480}},  {"FORM6", {641, 0}},
    {"FORM7", {0, 414}},   {"FORM8", {0, 440}},  {"FORM9", {0, 414}},  {"FORM10", {0, 414}},
    {"FORM11", {0, 414}},  {"FORM12", {0, 414}},
};
constexpr QPoint kMoved{400, 300};
constexpr QPoint kCanvasHome{0, 22};

// Units whose screens put the canvas back at (0, 22) wherever the tag is;
// every other unit's canvas stays 22 below the tag.
constexpr std::string_view kCanvasStaysHome[] = {"expr-solve-2"};

// Every window of the group the unit has, but the canvas, at its start-up
// place shifted by this much.
void expect_group_at(Pupil& pupil, QPoint shift) {
    for (const StartPlace& window : kGroup) {
        if (!pupil.windows().has_form(window.form)) continue;
        EXPECT_EQ(pupil.windows().form(window.form).position(), window.at + shift) << window.form;
    }
}

QPoint canvas_at(Pupil& pupil) { return pupil.windows().form("MAINFORM").position(); }

TEST(WindowGroup, InEveryUnitItStartsInPlaceFollowsTheBlackboardTagAndComesBack) {
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        const bool stays_home = std::ranges::count(kCanvasStaysHome, unit->name) > 0;
        const QPoint home = stays_home ? kCanvasHome : kCanvasHome + kMoved;
        Pupil pupil(*unit);
        expect_group_at(pupil, {0, 0});
        EXPECT_EQ(canvas_at(pupil), kCanvasHome);
        pupil.click_tag();
        expect_group_at(pupil, kMoved);
        EXPECT_EQ(canvas_at(pupil), kCanvasHome + kMoved);
        for (Nav screen : {Nav::Next, Nav::Where, Nav::Top}) {
            pupil.press(screen);
            EXPECT_EQ(canvas_at(pupil), home) << int(screen);
        }
        expect_group_at(pupil, kMoved);

        pupil.click_tag().press(Nav::Next);
        expect_group_at(pupil, {0, 0});
        EXPECT_EQ(canvas_at(pupil), kCanvasHome);
    }
}

// A navigation button empties the entry field and the single-answer field,
// in these units more fields, and the answers they held; it hides every
// answer bar.
struct EmptiedSeen {
    std::string_view unit;
    std::vector<std::string_view> fields;
};
const std::vector<std::string_view> kFirstFour{"EDIT1", "EDIT2", "EDIT3", "EDIT4"};
const EmptiedSeen kEmptied[] = {
    {"expr-solve-1", kFirstFour}, {"frac-decimal", kFirstFour}, {"ratio-value", kFirstFour},
    {"symmetry", kFirstFour},     {"word-problems", kFirstFour},
    {"sector-area", {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"}},
};
const EmptiedSeen kFirstTwo{"others", {"EDIT1", "EDIT2"}};

TEST(Navigation, InEveryUnitAButtonEmptiesItsFieldsAndAnswersAndHidesTheBars) {
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        const auto& emptied = row_of(kEmptied, unit->name, kFirstTwo).fields;
        Pupil pupil(*unit);
        frame::Lesson& lesson = pupil.lesson();
        pupil.type("EDIT1", "1");
        for (const frame::AnswerBar& bar : unit->bars) {
            lesson.form(bar.form).show();
            for (const frame::AnswerField& field : bar.fields) pupil.type(field.name, "1");
        }
        pupil.press(Nav::Top);
        EXPECT_EQ(lesson.field("EDIT1").text(), "");
        for (const frame::AnswerBar& bar : unit->bars) {
            EXPECT_FALSE(lesson.form(bar.form).is_visible()) << bar.form;
            for (const frame::AnswerField& field : bar.fields) {
                const bool empties = std::ranges::count(emptied, field.name) > 0;
                EXPECT_EQ(lesson.field(field.name).text(), empties ? "" : "1") << field.name;
                if (empties && field.slot > 0) {
                    EXPECT_EQ(lesson.answer_slots.at(field.slot), "") << field.name;
                }
            }
        }
    }
}

// Before a further handler of one turn the loop stops the narration and, in
// these units, gives the canvas copy mode back and maybe its coordinates.
struct ResetSeen {
    std::string_view unit;
    DrawMode mode;
    int window_bottom;
};
constexpr ResetSeen kResets[] = {
    {"expr-solve-2", DrawMode::Copy, 568}, {"circle-area", DrawMode::Copy, 479},
    {"sector-area", DrawMode::Copy, 479},  {"symmetry", DrawMode::Copy, 479},
};
// Every other unit leaves the canvas as the first handler found it.
constexpr ResetSeen kNarrationOnly{"others", DrawMode::Merge, 479};

TEST(EventLoop, ASecondHandlerOfOneTurnFindsTheResetOfItsUnit) {
    const platform::Event tag_pressed{"FORM4", "", platform::EventKind::MouseDown, {30, 10},
                                      "FORM4_MOUSEDOWN"};
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        Pupil pupil(*unit);
        frame::Lesson& lesson = pupil.lesson();
        platform::Surface& canvas = lesson.canvas();
        canvas.set_draw_mode(15);
        canvas.set_logical_window(0, 0, 639, 479);
        const std::size_t sounds = pupil.sound_commands().size();

        lesson.queue.push(tag_pressed);  // alone in its turn: nothing is reset
        frame::loop_turn(lesson, frame::Wait::DoNotBlock);
        EXPECT_EQ(canvas.state().mode, DrawMode::Merge);
        EXPECT_EQ(canvas.state().window.y2, 479);
        EXPECT_EQ(pupil.sound_commands().size(), sounds);

        lesson.queue.push(tag_pressed);
        lesson.queue.push(tag_pressed);
        frame::loop_turn(lesson, frame::Wait::DoNotBlock);
        const ResetSeen& seen = row_of(kResets, unit->name, kNarrationOnly);
        EXPECT_EQ(canvas.state().mode, seen.mode);
        EXPECT_EQ(canvas.state().window.y2, seen.window_bottom);
        ASSERT_EQ(pupil.sound_commands().size(), sounds + 1);
        EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
        EXPECT_EQ(pupil.windows().form("FORM4").position(), kMoved);  // moved three times
    }
}

}  // namespace
