// The explanation machinery on a small page of the tests' own: the
// paragraph fast-forward, the narration guard and the page end.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame/event_loop.h"
#include "frame/explanation_page.h"
#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Pupil;
using namespace std::chrono_literals;

void draw_test_page(frame::Page& p) {
    p.open({.paragraphs = 3, .band_right = 305, .title = "  テスト"});
    p.text({80, 70}, "一つ目");
    p.pause(100);
    p.narrate(1, frame::Close::No);
    p.blink(0, 3, [&](int colour) { p.mark({100, 100}, colour); });
    p.paragraph(2);
    p.narrate(2, frame::Close::Yes, frame::Narration::Background, 50);
    p.text({80, 200}, "二つ目");
    p.end({380, 390});
}

const frame::Unit& test_unit() {
    static const frame::Unit unit = [] {
        frame::Unit copy = units::expr_solve_2::unit;
        copy.pages[0].draw = draw_test_page;
        return copy;
    }();
    return unit;
}

std::vector<std::string> opened(const Pupil& pupil) {
    std::vector<std::string> files;
    for (const auto& command : pupil.sound_commands())
        if (command.starts_with("open ")) files.push_back(command);
    return files;
}

TEST(ExplanationPage, FromTheFirstParagraphEveryPauseAndNarrationRuns) {
    Pupil pupil(test_unit());
    const auto before = pupil.clock().elapsed();
    pupil.open(1, "1");
    EXPECT_EQ(opened(pupil), (std::vector<std::string>{"open SOUND1.WAV alias wave1",
                                                       "open SOUND2.WAV alias wave1"}));
    // pause 1 s, narration 0.2 s, four blinks of 0.15 s, narration 0.2 s and its pause 0.5 s.
    EXPECT_EQ(pupil.clock().elapsed() - before, 1000ms + 200ms + 600ms + 200ms + 500ms);
    EXPECT_TRUE(pupil.shows_text("1ページ終わり"));
    EXPECT_TRUE(pupil.shows_text("だん落 3"));
    EXPECT_EQ(pupil.lesson().request, frame::kIdle);
    EXPECT_EQ(pupil.lesson().io.windows.form("MAINFORM").client_size(), QSize(640, 434));
}

TEST(ExplanationPage, ALaterStartParagraphDrawsTheEarlierOnesSilently) {
    Pupil pupil(test_unit());
    auto before = pupil.clock().elapsed();
    pupil.open(1, "2");
    EXPECT_EQ(opened(pupil), (std::vector<std::string>{"open SOUND2.WAV alias wave1"}));
    EXPECT_EQ(pupil.clock().elapsed() - before, 200ms + 500ms);
    EXPECT_TRUE(pupil.shows_text("一つ目"));

    pupil.forget_texts();
    before = pupil.clock().elapsed();
    pupil.open(1, "3");  // the whole page at once
    EXPECT_EQ(pupil.clock().elapsed(), before);
    EXPECT_TRUE(pupil.shows_text("二つ目"));
    EXPECT_TRUE(pupil.shows_text("1ページ終わり"));
}

TEST(ExplanationPage, AStartParagraphThePageLacksIsRefused) {
    Pupil pupil(test_unit());
    for (auto start : {"0", "4"}) {
        pupil.forget_texts();
        pupil.open(1, start);
        EXPECT_EQ(pupil.boxes().back().text, "その段落はありません！") << start;
        EXPECT_FALSE(pupil.shows_text("  テスト")) << start;
    }
}

TEST(EventLoop, ASecondQueuedClickRunsInTheSameTurnAfterTheReset) {
    Pupil pupil(test_unit());
    pupil.press(harness::Nav::Next).type("EDIT1", "1");
    const auto sent = pupil.sound_commands().size();
    // The pupil presses "O  K" and then "where" before the loop runs.
    auto& lesson = pupil.lesson();
    lesson.queue.push({"FORM3", "BUTTON1", platform::EventKind::On, {}, "BUTTON1_ON"});
    lesson.queue.push({"FORM8", "BMPBUTTON4", platform::EventKind::On, {}, "BMPBUTTON4_ON"});
    ASSERT_TRUE(pupil.lesson().queue.pending());
    frame::loop_turn(lesson, frame::Wait::DoNotBlock);
    // "where" ran after the reset ("close wave1"); the code "O  K" left was
    // still the one dispatched, so page 1 was drawn.
    ASSERT_GT(pupil.sound_commands().size(), sent);
    EXPECT_EQ(pupil.sound_commands()[sent], "close wave1");
    EXPECT_EQ(lesson.nav.entry_mode, frame::EntryMode::PageSelect);
    EXPECT_TRUE(pupil.shows_text("一つ目"));
}

}  // namespace
