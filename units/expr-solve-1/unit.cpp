// expr-solve-1: solving letter expressions (1) (6th grade): finding the
// letter of a multiplication or a division on a balance.
#include "units/expr-solve-1/unit.h"

#include "units/expr-solve-1/pages.h"

namespace units::expr_solve_1 {

using frame::PageKind;

namespace {

const frame::Font kMincho16{"ＭＳ 明朝", 16};

}  // namespace

const frame::Unit unit{
    .name = "expr-solve-1",
    .folder = "ES1",
    .title = "6年生の算数   文字式をとく 1",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 2, .title = "χを求める 1",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Explanation, .paragraphs = 5, .title = "χを求める 2",
             .draw = draw_page2},
            {.number = 3, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆   を求める 1 ---------- 1ページ"},
            {8, "(よく見よう!)  ☆   を求める 2 ---------- 2ページ"},
            {9, "(やってみよう!)★ 練習 1 ---------------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    .contents_marks = {{165, 143}, {165, 162}},
    .navigation_reset = {.fields = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"},
                         .bars = {"FORM7", "FORM9"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}, .font = kMincho16},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 3}}, .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{.slot = 1, .key = 1, .alt_key = 2}, {3, 3}}}}, .font = kMincho16},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9"},
    .drawing_window = frame::Size{640, 440},
    .bitmap_objects = 1,
    .entry_bar_font = kMincho16,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP"},
    .folder_pictures = {"上指.BMP", "右指.BMP"},
};

}  // namespace units::expr_solve_1
