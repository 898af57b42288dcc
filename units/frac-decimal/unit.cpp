// frac-decimal: calculating with fractions and decimals (6th grade): mixed
// operations, the order of operations, answers in lowest terms.
#include "units/frac-decimal/unit.h"

#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {

using frame::PageKind;

const frame::Unit unit{
    .name = "frac-decimal",
    .folder = "FDEC",
    .title = "6年生の算数    分数や小数の計算",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 3, .title = "分数の計算",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 3,
             .title = "分数や小数の計算", .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
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
    .end_hides = {"FORM3", "FORM7", "FORM9"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\mr.BMP", "\\ml.BMP"},
};

}  // namespace units::frac_decimal
