// The drawing vocabulary of the pages: the animation loop's erase rules,
// settings that come back when a page is abandoned, copies in the draw
// mode, fractions and cancel marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/explanation_page.h"
#include "frame/lesson.h"
#include "frame/page_abandon.h"
#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using frame::Erase;
using frame::Page;
using harness::Pupil;

const frame::Unit& unit = units::expr_solve_2::unit;

// A page as the event loop starts it, presented from its first paragraph.
struct OpenPage {
    Pupil pupil{unit};
    Page page{pupil.lesson(), 1};
    OpenPage() {
        pupil.lesson().start_paragraph = 1;
        page.open({.paragraphs = 2, .title = "テスト"});
    }
    platform::Surface& canvas() { return pupil.lesson().canvas(); }
};

// What an animation did, in order: "i/colour" for each draw, "~n" for a
// pause of n × 10 ms.
std::vector<std::string> animate(const frame::Steps& steps) {
    OpenPage open;
    std::vector<std::string> log;
    const auto& sleeps = open.pupil.clock().sleeps();
    std::size_t seen = sleeps.size();
    const auto note_pauses = [&] {
        for (; seen < sleeps.size(); ++seen) log.push_back("~" + std::to_string(sleeps[seen].count() / 10));
    };
    open.page.steps(steps, [&](float i, int colour) {
        note_pauses();
        log.push_back(std::to_string(static_cast<int>(i)) + "/" + std::to_string(colour));
    });
    note_pauses();
    return log;
}

using Log = std::vector<std::string>;

TEST(StepLoop, EachEraseRuleDrawsAndErasesWhatItSays) {
    struct Case {
        const char* rule;
        frame::Steps steps;
        Log done;
    };
    const Case cases[] = {
        {"none", {.from = 0, .to = 4, .by = 2, .pause = 5}, {"0/7", "~5", "2/7", "~5", "4/7", "~5"}},
        {"blink", {.from = 1, .to = 3, .pause = 15, .colour = 6, .erase = Erase::Alternate},
         {"1/6", "~15", "2/0", "~15", "3/6", "~15"}},
        {"drift", {.from = 0, .to = 1, .pause = 10, .erase = Erase::After},
         {"0/7", "~10", "0/0", "1/7", "~10", "1/0"}},
        {"row copy", {.from = 10, .to = 30, .by = 10, .erase = Erase::AllButLast},
         {"10/7", "~15", "10/0", "20/7", "~15", "20/0", "30/7", "~15"}},
        {"move", {.from = 4, .to = 8, .by = 4, .pause = 8, .colour = 2, .erase = Erase::Previous},
         {"0/0", "4/2", "~8", "4/0", "8/2", "~8"}},
        {"backwards", {.from = 3, .to = 1, .by = -2, .pause = 1}, {"3/7", "~1", "1/7", "~1"}},
        {"no step", {.from = 5, .to = 4}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(animate(c.steps), c.done) << c.rule;
}

TEST(StepLoop, ABoxRuleClearsItsBoxBeforeEachStep) {
    OpenPage open;
    int cleared_before = 0;
    open.page.fill_box({100, 100}, {200, 200}, 2);
    open.page.steps({.from = 1, .to = 2, .pause = 0, .erase = Erase::Box,
                     .box_from = {100, 100}, .box_to = {200, 200}},
                    [&](float, int) { cleared_before += open.canvas().colour_index_at({150, 150}) == 0; });
    EXPECT_EQ(cleared_before, 2);
}

TEST(StepLoop, FractionalStepsReachTheirEnd) {
    EXPECT_EQ(frame::step_count({.from = 0.6f, .to = 0.7f, .by = 0.05f}), 3);
    EXPECT_EQ(frame::step_count({.from = 0.7f, .to = 0.7167f, .by = 0.0167f}), 2);
    EXPECT_EQ(frame::step_count({.from = 0, .to = 150, .by = 10}), 16);
}

TEST(PageSettings, AnAbandonedPageLeavesTheCanvasAsItFoundIt) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    platform::Surface& canvas = lesson.canvas();
    const platform::SurfaceState before = canvas.state();
    lesson.start_paragraph = 1;
    // Each setting scoped twice, to both ends of its range: every one is put
    // back while the page unwinds, which must end the page and not the program.
    const auto abandoned = [&] {
        Page p(lesson, 1);
        p.open({.paragraphs = 2, .title = "テスト", .face = "ＭＳ 明朝",
                .coordinates = frame::Coordinates::Pixels});
        const frame::Scoped dotted = p.pen(frame::PenStyle::Dotted);
        const frame::Scoped last_style = p.pen(static_cast<frame::PenStyle>(6));
        const frame::Scoped merge = p.mode(frame::DrawMode::Merge);
        const frame::Scoped last_mode = p.mode(static_cast<frame::DrawMode>(16));
        const frame::Scoped first_mode = p.mode(static_cast<frame::DrawMode>(1));
        const frame::Scoped largest = p.font("標準ゴシック", 256);
        const frame::Scoped smallest = p.font_size(1);
        const frame::Scoped lesson_units = p.coordinates(frame::Coordinates::Lesson);
        const frame::Scoped pixels = p.coordinates(frame::Coordinates::Pixels);
        EXPECT_EQ(canvas.to_pixel({0, 479}).y(), 479);  // one unit a pixel meanwhile
        EXPECT_EQ(static_cast<int>(canvas.state().mode), 1);
        EXPECT_EQ(canvas.state().font.size, 1);
        lesson.queue.push({"FORM8", "BMPBUTTON3", platform::EventKind::On, {}, "BMPBUTTON3_ON"});
        p.pause(10);
    };
    EXPECT_THROW(abandoned(), frame::PageAbandoned);
    EXPECT_EQ(canvas.state().style, before.style);
    EXPECT_EQ(canvas.state().mode, before.mode);
    EXPECT_EQ(canvas.state().font.face, before.font.face);
    EXPECT_EQ(canvas.state().font.size, before.font.size);
    EXPECT_EQ(canvas.to_pixel({0, 568}).y(), 479);  // the lesson's coordinates again
}

TEST(PageSettings, AScopedPenHoldsOnlyWithinItsScope) {
    OpenPage open;
    {
        const frame::Scoped dotted = open.page.pen(frame::PenStyle::Dotted);
        EXPECT_EQ(open.canvas().state().style, frame::PenStyle::Dotted);
    }
    EXPECT_EQ(open.canvas().state().style, frame::PenStyle::Solid);
    open.page.line({0, 300}, {60, 300}, 7, frame::PenStyle::Dotted);  // dotted for this line only
    EXPECT_EQ(open.canvas().state().style, frame::PenStyle::Solid);
    int lit = 0;
    const int y = open.canvas().to_pixel({0, 300}).y();
    for (int x = 0; x <= 60; ++x) lit += open.canvas().colour_index_at({x, y}) == 7;
    EXPECT_GT(lit, 10);
    EXPECT_LT(lit, 50);
}

TEST(WorkPictures, ACopyInMergeModeKeepsWhatTheCopysBackgroundCovers) {
    OpenPage open;
    open.pupil.lesson().bitmap_objects.emplace_back(platform::SurfaceKind::Bitmap, 0, 0);
    Page& p = open.page;
    p.fill_box({0, 100}, {39, 139}, 0);
    p.fill_box({0, 100}, {9, 109}, 1);  // a blue corner on the background
    frame::Drawing work = p.work_picture(0, {40, 40});
    work.copy({0, 0}, {40, 40}, p, {0, 100});
    const auto copy_onto_red = [&](frame::DrawMode mode) {
        p.fill_box({300, 300}, {400, 400}, 2);
        const frame::Scoped scoped = p.mode(mode);
        p.copy({300, 300}, {40, 40}, work, {0, 0});
    };
    const QPoint corner = open.canvas().to_pixel({300, 300}) + QPoint{2, 2};
    const QPoint middle = open.canvas().to_pixel({300, 300}) + QPoint{30, 30};
    copy_onto_red(frame::DrawMode::Merge);
    EXPECT_EQ(open.canvas().colour_index_at(middle), 2);   // red stays under the background
    EXPECT_EQ(open.canvas().colour_index_at(corner), 3);   // blue merged with red
    copy_onto_red(frame::DrawMode::Copy);
    EXPECT_EQ(open.canvas().colour_index_at(middle), 0);
    EXPECT_EQ(open.canvas().colour_index_at(corner), 1);
    p.free_work_picture(0);
    EXPECT_EQ(open.pupil.lesson().bitmap_objects[0].image().size(), QSize(0, 0));
}

TEST(WorkPictures, TheHiddenWindowKeepsItsDrawingForACopy) {
    OpenPage open;
    open.page.hidden().fill_box({100, 100}, {200, 200}, 6);
    EXPECT_NE(open.canvas().colour_index_at(open.canvas().to_pixel({150, 150})), 6);
    open.page.copy({300, 100}, {100, 50}, open.page.hidden(), {100, 100});
    EXPECT_EQ(open.canvas().colour_index_at(open.canvas().to_pixel({350, 120})), 6);
}

// Where each text of the last drawing on the canvas stood, with its font size.
std::vector<std::string> placed(const Pupil& pupil) {
    std::vector<std::string> texts;
    for (const auto& t : pupil.texts())
        texts.push_back(t.text.text + "@" + std::to_string(int(t.text.at.x)) + "," +
                        std::to_string(int(t.text.at.y)) + "/" + std::to_string(t.text.font.size));
    return texts;
}

TEST(Fractions, RowsStandOverAndUnderTheirBarsAndCancelMarksUseTheSmallFont) {
    OpenPage open;
    Page& p = open.page;
    open.pupil.forget_texts();
    p.fraction({23, 60}, {"－ × －", "3     2", "5     7"});
    p.fraction({119, 60}, {.top = "3 × 2", .bottom = "5 × 7", .bar = 60});
    p.fraction({23, 280}, {"9 ÷ －", "4", "7", {44, -10}, {44, 10}});
    p.cancel({{{469, 100}, {480, 115}, "1", {478, 90}}, {{421, 120}, {432, 135}, "2", {432, 135}}});
    EXPECT_EQ(placed(open.pupil),
              (std::vector<std::string>{"－ × －@23,60/16", "3     2@27,50/16", "5     7@27,70/16",
                                        "3 × 2@123,50/16", "5 × 7@123,70/16", "9 ÷ －@23,280/16",
                                        "4@67,270/16", "7@67,290/16", "1@478,90/12", "2@432,135/12"}));
    EXPECT_EQ(open.canvas().state().font.size, 16);
    const auto lit = [&](frame::PointF at) {
        return open.canvas().colour_index_at(open.canvas().to_pixel(at)) == 7;
    };
    EXPECT_TRUE(lit({150, 67}));   // the drawn bar
    EXPECT_FALSE(lit({185, 67}));  // and no further
    EXPECT_TRUE(lit({469, 100}));  // a cancel stroke
}

}  // namespace
