// What the frame does in every unit of the course, and the units that
// differ: the window group following the blackboard tag, and what the event
// loop gives back before a further handler of one turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "frame/event_loop.h"
#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

using harness::Nav;
using harness::Pupil;

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

TEST(WindowGroup, InEveryUnitItFollowsTheBlackboardTagAndComesBack) {
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(unit->name);
        const bool stays_home = std::ranges::count(kCanvasStaysHome, unit->name) > 0;
        const QPoint home = stays_home ? kCanvasHome : kCanvasHome + kMoved;
        Pupil pupil(*unit);
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

// Before a further handler of one turn the loop stops the narration and, in
// these units, gives the canvas copy mode back and maybe its coordinates.
struct ResetSeen {
    std::string_view unit;
    platform::DrawMode mode;
    int window_bottom;
};
constexpr ResetSeen kResets[] = {
    {"expr-solve-2", platform::DrawMode::Copy, 568},
    {"circle-area", platform::DrawMode::Copy, 479},
    {"sector-area", platform::DrawMode::Copy, 479},
    {"symmetry", platform::DrawMode::Copy, 479},
};
// Every other unit leaves the canvas as the first handler found it.
constexpr ResetSeen kNarrationOnly{"", platform::DrawMode::Merge, 479};

const ResetSeen& reset_of(std::string_view unit) {
    const auto* row = std::ranges::find(kResets, unit, &ResetSeen::unit);
    return row == std::end(kResets) ? kNarrationOnly : *row;
}

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
        EXPECT_EQ(canvas.state().mode, platform::DrawMode::Merge);
        EXPECT_EQ(canvas.state().window.y2, 479);
        EXPECT_EQ(pupil.sound_commands().size(), sounds);

        lesson.queue.push(tag_pressed);
        lesson.queue.push(tag_pressed);
        frame::loop_turn(lesson, frame::Wait::DoNotBlock);
        const ResetSeen& seen = reset_of(unit->name);
        EXPECT_EQ(canvas.state().mode, seen.mode);
        EXPECT_EQ(canvas.state().window.y2, seen.window_bottom);
        ASSERT_EQ(pupil.sound_commands().size(), sounds + 1);
        EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
        EXPECT_EQ(pupil.windows().form("FORM4").position(), kMoved);  // moved three times
    }
}

}  // namespace
