// frac-decimal: calculating with fractions and decimals (6th grade): mixed
// operations, the order of operations, answers in lowest terms.
#include "units/frac-decimal/unit.h"

#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {

using frame::PageKind;

namespace {

const std::vector<std::string_view> kEndHides{"FORM3", "FORM7", "FORM9"};

}  // namespace

const frame::Unit unit{
    .name = "frac-decimal",
    .folder = "FDEC",
    .title = "6年生の算数    分数や小数の計算",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .count = 3, .title = "分数の計算",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .count = 9, .title = "練習1",
             .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .count = 3, .title = "分数や小数の計算",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .count = 8, .title = "練習2",
             .sheet = &page4},
        },
    .problem_groups = {{}},
    .exercise_pages = {{.page = 2, .contents_row = 8, .end_hides = kEndHides},
                       {.page = 4, .contents_row = 10, .end_hides = kEndHides}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 分数の計算 ------------ 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 分数や小数の計算 ------ 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    // EDIT5 keeps its text: each problem empties all three fields as it is shown.
    .navigation_reset = {.fields = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"},
                         .bars = {"FORM7", "FORM9"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 2}, {"EDIT5", 3}},
             .ok_handler = "BUTTON3_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}}}}},
        },
    .fresh_start = 0,
    .record = {.header = {9, 8, 0}, .flag_counts = {9, 8}, .lists_on_first_line = 2},
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\mr.BMP", "\\ml.BMP"},
};

}  // namespace units::frac_decimal
