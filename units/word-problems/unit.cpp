// word-problems: fraction word problems restated as lower-grade whole-number problems (6th grade).
#include "units/word-problems/unit.h"

#include "units/word-problems/pages.h"

namespace units::word_problems {

using frame::PageKind;

const frame::Unit unit{
    .name = "word-problems",
    .folder = "WORD",
    .title = "6年生の算数    文章問題攻略法",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 2,
             .title = "2年生の問題に直そう", .title_blanks = 8, .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 2,
             .title = "3年生の問題に直そう", .title_blanks = 8, .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 2年生の問題に直そう --- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 3年生の問題に直そう --- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
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
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP", "\\mr.BMP"},
    .folder_pictures = {"上指.BMP", "下指.BMP", "天秤1.BMP", "天秤2.BMP", "天秤3.BMP"},
};

}  // namespace units::word_problems
