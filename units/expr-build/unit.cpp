// expr-build: forming letter expressions (5th grade): reading a changing
// quantity from a table and writing the relation with □ and ○, then with
// letters, and choosing the expression that fits a word problem.
#include "units/expr-build/unit.h"

#include "units/expr-build/pages.h"

namespace units::expr_build {

using frame::PageKind;

const frame::Unit unit{
    .name = "expr-build",
    .folder = "EXB",
    .title = "5年生の算数   文字式をたてる",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 2,
             .title = "かわり方を式に表す", .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 2, .title = "χを使った式",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2",
             .sheet = &page4, .problem_group = 1},
        },
    .problem_groups = {{}, {.real = true}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ かわり方を式に表す ----------- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ----------------------- 2ページ"},
            {9, "(よく見よう!)  ☆   を使った式 ----------------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ----------------------- 4ページ"},
        },
    .contents_marks = {{165, 180}},
    .contents_pass_column = 62,
    .page_select_contents = "目次 ------------------------- 0ページ",
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{.slot = 1, .key = 1, .alt_key = 2}}}},
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
    .layout_hides = {{"FORM9", {}}, {"FORM10", {}}, {"FORM11", {}}, {"FORM12", {}}},
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\mr.BMP"},
    .folder_pictures = {"右指.BMP"},
};

}  // namespace units::expr_build
