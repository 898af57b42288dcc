// ratio-value: ratios and the value of a ratio (6th grade), first of whole
// numbers, then of decimals; answered as A : B and the value C E/D.
#include "units/ratio-value/unit.h"

#include "units/ratio-value/pages.h"

namespace units::ratio_value {

using frame::PageKind;

namespace {

const frame::Font kHyojun16{"標準明朝", 16};

}  // namespace

const frame::Unit unit{
    .name = "ratio-value",
    .folder = "RVAL",
    .title = "6年生の算数   比と比の値",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 4, .title = "比と比の値",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 2, .title = "小数の比",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 比と比の値 ------------ 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 小数の比 -------------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    .navigation_reset = {.fields = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"},
                         .bars = {"FORM7", "FORM9"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            // The single-answer bar keeps its text where answer D is kept and
            // judges it against key A; no problem uses this bar.
            {.form = "FORM7", .fields = {{"EDIT2", 4}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{4, 1}}}}, .font = kHyojun16},
            {.form = "FORM9",
             .fields = {{"EDIT3", 1}, {"EDIT4", 2}, {"EDIT5", 3}, {"EDIT6", 4}, {"EDIT7", 5}},
             .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}}}},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9"},
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP"},
    .folder_pictures = {"上指.BMP"},
};

}  // namespace units::ratio_value
