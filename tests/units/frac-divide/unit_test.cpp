// frac-divide in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page and record.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/screens_seen.h"
#include "tests/support/mixed_number_bars_seen.h"
#include "units/frac-divide/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::frac_divide::unit;

// Page 2 has passed problems 2 and 6, page 4 every problem.
const std::string kRecordWithPasses = "6,5,0,0,1,0,0,0,1,1,1,1,1,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    分数のわり算",
    .contents_lines = {"(よく見よう!)  ☆ 分数でわる ------------ 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 分数わる整数 ---------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          分数でわる", 6},
              {"2ﾍﾟｰｼﾞ          練習1", 6, true},
              {"3ﾍﾟｰｼﾞ          分数わる整数", 3},
              {"4ﾍﾟｰｼﾞ          練習2", 5, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "6,5,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(FracDivide, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 10}},
                                  .passed_problems = {{2, {2, 6}}, {4, {1, 2, 3, 4, 5}}}});
}

TEST(FracDivide, StartsWithItsFiveBarsAndNoDrawingWindow) {
    Pupil pupil(unit);
    harness::expect_window_set(pupil, harness::kFractionBarsSeen, {"FORM2"});
}

}  // namespace
