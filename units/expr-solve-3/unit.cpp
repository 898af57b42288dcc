// expr-solve-3: solving letter expressions (3) (6th grade): one-step
// equations of the four operations, solved by moving a term across with the
// inverse operation.
#include "units/expr-solve-3/unit.h"

#include "units/expr-solve-3/pages.h"

namespace units::expr_solve_3 {

using frame::PageKind;

const frame::Unit unit{
    .name = "expr-solve-3",
    .folder = "ES3",
    .title = "6年生の算数   文字式をとく 3",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 6,
             .title = "かけ算と足し算の文字式", .title_blanks = 7, .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 4,
             .title = "わり算と引き算の文字式", .title_blanks = 7, .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ かけ算と足し算の文字式 --- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ------------------- 2ページ"},
            {9, "(よく見よう!)  ☆ わり算と引き算の文字式 --- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ------------------- 4ページ"},
        },
    .contents_pass_column = 58,
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.page = 2, .checks = {{1, 1}}}, {.page = 4, .checks = {{1, 1}}}},
             .font = frame::Font{"標準明朝", 16}},
            {.form = "FORM9",
             .fields = {{"EDIT3", 0}, {"EDIT4", 0}, {"EDIT5", 0}, {"EDIT6", 0}, {"EDIT7", 0}}},
            {.form = "FORM10",
             .fields = {{"EDIT8", 0}, {"EDIT9", 0}, {"EDIT10", 0}, {"EDIT11", 0}, {"EDIT12", 0},
                        {"EDIT13", 0}}},
            {.form = "FORM11", .fields = {{"EDIT14", 1}, {"EDIT15", 2}},
             .ok_handler = "BUTTON5_ON", .ok = {{.checks = {{1, 1}, {2, 2}}}}},
            {.form = "FORM12", .fields = {{"EDIT16", 1}, {"EDIT17", 2}, {"EDIT18", 3}},
             .ok_handler = "BUTTON6_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}}}}},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\mf.BMP"},
    .folder_pictures = {"上指.BMP"},
};

}  // namespace units::expr_solve_3
