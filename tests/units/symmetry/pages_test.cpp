// symmetry's pages where a trace cannot show it: the fold and turn paths,
// the explanation pages opened at a later paragraph, a page abandoned while
// its pen is dotted, the figure after a pass of problem 7 of page 4, the
// flower of page 2 and a long count echoed in page 2's hint.
#include <QRect>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/lesson.h"
#include "tests/support/explanation_session.h"
#include "units/symmetry/swing.h"
#include "units/symmetry/unit.h"

namespace {

using harness::Pupil;
using units::symmetry::Offset;

const frame::Unit& unit = units::symmetry::unit;

// The steps a pupil sees in the folds of page 1, at frames 0, 3, 6 and 9.
TEST(FoldTables, HoldTheStepsOfEveryFourthFrame) {
    struct Row {
        float radius, alpha;
        std::array<Offset, 4> at;  // frames 0, 3, 6, 9
    };
    const Row rows[] = {{75, 0, {{{75, 0}, {37, 65}, {-38, 65}, {-75, 0}}}},
                        {45, 0, {{{45, 0}, {22, 39}, {-23, 39}, {-45, 0}}}},
                        {35, 0, {{{35, 0}, {17, 30}, {-18, 30}, {-35, 0}}}},
                        {50, 90, {{{0, 50}, {-43, 25}, {-43, -25}, {0, -50}}}}};
    for (const Row& r : rows) {
        const units::symmetry::FoldTable t = units::symmetry::fold_table(r.radius, r.alpha);
        for (std::size_t k = 0; k < 4; ++k) {
            SCOPED_TRACE("R " + std::to_string(r.radius) + ", frame " + std::to_string(3 * k));
            EXPECT_EQ(t[3 * k].dx, r.at[k].dx);
            EXPECT_EQ(t[3 * k].dy, r.at[k].dy);
        }
    }
}

// Corners of page 3's figures at rest and half a turn on: the H's cross bar
// lands one unit low, the triangle upside down.
TEST(TurnPaths, StartAtTheCornerAndEndOppositeTheCentre) {
    struct Row {
        platform::PointF centre;
        float alpha, radius;
        platform::PointF rest, turned;
    };
    const Row rows[] = {{{100, 100}, 8, 35, {135, 95}, {65, 105}},
                        {{100, 100}, -7, 35, {135, 104}, {65, 96}},
                        {{400, 100}, -246, 50, {380, 54}, {420, 146}},
                        {{400, 250}, 90, 50, {400, 200}, {400, 300}},
                        {{400, 250}, -66, 50, {420, 296}, {380, 204}}};
    for (const Row& r : rows) {
        const units::symmetry::Path path = units::symmetry::turn_path(r.centre, r.alpha, r.radius);
        EXPECT_EQ(path[0].x, r.rest.x);
        EXPECT_EQ(path[0].y, r.rest.y);
        EXPECT_EQ(path[9].x, r.turned.x);
        EXPECT_EQ(path[9].y, r.turned.y);
    }
}

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    struct Last {
        int page;
        std::string_view start, end_mark;
        platform::PointF end_at;
        std::string_view closing;  // the page's last words, in red
        platform::PointF closing_at;
    };
    for (const Last& l : {Last{1, "5", "1ページ終わり", {500, 380}, "ない形は線対称ではないんだね!",
                               {300, 360}},
                          Last{3, "2", "3ページ終わり", {400, 360},
                               "点対称っていうのは上下をひっくりかえしても同じになる形のことだよ!",
                               {30, 340}}}) {
        SCOPED_TRACE("page " + std::to_string(l.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, l.page, l.start, l.end_mark, l.end_at);
        EXPECT_EQ(harness::last_colour(pupil, l.closing, l.closing_at), 2);
    }
}

TEST(ExplanationPages, NarrateFromTheStartParagraphOnInOrder) {
    struct Heard {
        int page;
        std::string_view start;
        std::vector<int> narrations;
    };
    const Heard cases[] = {
        {1, "1", {1, 2, 3, 4, 5, 6, 5, 6, 7, 8, 9, 10, 11, 12, 13, 30, 31, 32, 33, 34, 35, 36}},
        {1, "3", {12, 13, 30, 31, 32, 33, 34, 35, 36}},
        {3, "1", {14, 15, 16, 4, 17, 18, 21, 4, 17, 18, 17, 19, 20}}};
    for (const Heard& h : cases) {
        SCOPED_TRACE("page " + std::to_string(h.page) + " from " + std::string(h.start));
        Pupil pupil(unit);
        const harness::SoundLog log = harness::open_from(pupil, h.page, h.start);
        EXPECT_EQ(log.narrations(), h.narrations);
        EXPECT_EQ(log.opened_unclosed(), std::vector<int>(h.start == "1" ? 1 : 0, h.narrations[0]));
    }
}

// "next" while the crown's axis blinks dotted: page 2's start-from dialog
// follows, and the canvas draws solid lines again.
TEST(ExplanationPage1, AbandonedWhileDottedLeavesASolidPen) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    bool pressed = false;
    pupil.clock().on_sleep([&](std::chrono::milliseconds) {
        if (pressed || lesson.canvas().state().style != platform::PenStyle::Dotted) return;
        pressed = true;
        lesson.queue.push({"FORM8", "BMPBUTTON3", platform::EventKind::On, {}, "BMPBUTTON3_ON"});
    });
    harness::open_from(pupil, 1, "1");
    pupil.clock().on_sleep({});
    ASSERT_TRUE(pressed);
    EXPECT_EQ(lesson.canvas().state().style, platform::PenStyle::Solid);
    EXPECT_TRUE(pupil.shows_text("回答らんに1から15までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
}

// Problem 7's hooks are drawn one unit a pixel; problem 8, shown right after
// a pass of 7, stands in the lesson's coordinates: its box (170,180)-(180,250)
// covers pixel rows 152 to 211.
TEST(ExercisePage4, AfterProblem7TheNextFigureStandsInItsPlace) {
    Pupil pupil(unit);
    pupil.open(4, "7").answer({"3"});
    EXPECT_EQ(pupil.colour_at({175, 160}), 2);
    EXPECT_EQ(pupil.colour_at({175, 225}), 0);
}

// Problem 5's flower has the four axes its key counts: two petals 10 by 25
// across the centre (100,170) each way, the red figure the same when folded
// along either line through the centre or either diagonal.
TEST(ExercisePage2, TheFlowerHasFourAxes) {
    Pupil pupil(unit);
    pupil.open(2, "5");
    const QRect around(30, 100, 141, 141);  // the flower's centre (100,170) in its middle
    const auto red = [&](int x, int y) { return pupil.colour_at({x, y}) == 2; };
    QRect extent;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (red(x, y)) extent |= QRect(x, y, 1, 1);
    EXPECT_EQ(extent, QRect(QPoint(50, 120), QPoint(150, 220)));
    int unfolded = 0;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (red(x, y) && !(red(200 - x, y) && red(x, 340 - y) && red(y - 70, x + 70) &&
                               red(270 - y, 270 - x)))
                ++unfolded;
    EXPECT_EQ(unfolded, 0);
}

// A long count typed on page 2 is echoed cut short, as plain text, so the
// hint keeps its ending on its row.
TEST(ExercisePage2, EchoesALongCountWithinItsRow) {
    Pupil pupil(unit);
    pupil.open(2, "3").answer({"2", "1234567890123456789012345678901234567890"});
    std::string hint;
    for (const harness::WatchedText& t : pupil.texts())
        if (t.text.kind == platform::DrawCall::Kind::Cell && t.text.row == 17) hint = t.text.text;
    EXPECT_TRUE(hint.starts_with("よく考えて!この形をぴったり2つ折りにする方法は1234"));
    EXPECT_TRUE(hint.ends_with("通りじゃないよ!"));
    EXPECT_EQ(hint.find("1234567890123456789012345678901234567890"), std::string::npos);
}

}  // namespace
