// expr-solve-2: solving letter expressions (2) (6th grade): three
// explanation pages and three exercise pages of 8, 8 and 6 problems.
#include "units/expr-solve-2/unit.h"

#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

using frame::PageKind;

namespace {

const frame::Font kMincho16{"ＭＳ 明朝", 16};

}  // namespace

const frame::Unit unit{
    .name = "expr-solve-2",
    .folder = "ES2",
    .title = "6年生の算数   文字式をとく 2",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 3, .title = "χを求める 3",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 4, .title = "χを求める 4",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
            {.number = 5, .kind = PageKind::Explanation, .paragraphs = 2, .title = "χを求める 5",
             .draw = draw_page5},
            {.number = 6, .kind = PageKind::Exercise, .title = "練習3",
             .sheet = &page6, .problem_group = 1},
        },
    .problem_groups = {{}, {}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆   を求める 3 ---------- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆   を求める 4 ---------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
            {11, "(よく見よう!)  ☆   を求める 5 ---------- 5ページ"},
            {12, "(やってみよう!)★ 練習 3 ---------------- 6ページ"},
        },
    .contents_marks = {{165, 143}, {165, 181}, {165, 219}},
    .module_table = {"main", "mainform", "pag1", "pag2", "pag3", "pag4", "pag5", "pag0",
                     "site", "move", "pag6", "pag7"},
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11"}},
    .canvas_home = frame::CanvasHome::Fixed,
    .pre_handler_reset = frame::PreHandlerReset::SoundAndCanvas,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}, .font = kMincho16},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 3}}, .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{.slot = 1, .key = 1, .alt_key = 2}, {3, 3}}}}, .font = kMincho16},
            {.form = "FORM10", .fields = {{"EDIT5", 1}, {"EDIT6", 2}, {"EDIT7", 3}},
             .ok_handler = "BUTTON4_ON",
             .ok = {{.page = 2, .order_free = true, .checks = {{1, 4}, {2, 5}, {3, 6}}},
                    {.page = 6, .checks = {{1, 1}, {2, 2}, {3, 3}}}},
             .font = kMincho16},
            {.form = "FORM11",
             .fields = {{"EDIT8", 1}, {"EDIT9", 2}, {"EDIT10", 3}, {"EDIT11", 4}},
             .ok_handler = "BUTTON5_ON",
             .ok = {{.order_free = true, .checks = {{1, 4}, {2, 5}, {3, 6}, {4, 7}}}},
             .font = kMincho16},
        },
    .layout_hides = {{"FORM11", {"EDIT8", "EDIT9", "EDIT10", "EDIT11"}},
                     {"FORM10", {"EDIT5", "EDIT6", "EDIT7"}},
                     {"FORM9", {"EDIT3", "EDIT4"}}},
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11"},
    .drawing_window = frame::Size{640, 480},
    .entry_bar_font = kMincho16,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP"},
    .folder_pictures = {"右指.BMP"},
};

}  // namespace units::expr_solve_2
