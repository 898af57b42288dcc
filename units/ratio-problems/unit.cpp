// ratio-problems: problems that use ratios (6th grade): ratios of fractions,
// equal ratios and sharing a total in a ratio, on bars of one to six fields.
#include "units/ratio-problems/unit.h"

#include "units/ratio-problems/pages.h"

namespace units::ratio_problems {

using frame::PageKind;

namespace {

const frame::Font kHyojun16{"標準明朝", 16};

}  // namespace

const frame::Unit unit{
    .name = "ratio-problems",
    .folder = "RPRB",
    .title = "6年生の算数    比を使った問題",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 3, .title = "分数の比",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 3, .title = "比を使った問題",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 分数の比 -------------- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 比を使った問題 -------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}},
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}, .font = kHyojun16},
            {.form = "FORM9",
             .fields = {{"EDIT3", 1}, {"EDIT4", 2}, {"EDIT5", 3}, {"EDIT6", 4}, {"EDIT7", 5}},
             .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}}}},
            {.form = "FORM10",
             .fields = {{"EDIT8", 1}, {"EDIT9", 2}, {"EDIT10", 3}, {"EDIT11", 4}, {"EDIT12", 5},
                        {"EDIT13", 6}},
             .ok_handler = "BUTTON4_ON",
             .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}}}},
            {.form = "FORM11", .fields = {{"EDIT14", 1}, {"EDIT15", 2}},
             .ok_handler = "BUTTON5_ON", .ok = {{.checks = {{1, 1}, {2, 2}}}}},
            {.form = "FORM12", .fields = {{"EDIT16", 1}, {"EDIT17", 2}, {"EDIT18", 3}},
             .ok_handler = "BUTTON6_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}}}}},
        },
    .layout_hides = {{"FORM9", {}}, {"FORM10", {}}, {"FORM11", {}}, {"FORM12", {}}},
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP"},
    .folder_pictures = {"上指.BMP"},
};

}  // namespace units::ratio_problems
