// frac-divide: dividing fractions (6th grade): by a fraction and by a whole
// number, answered as mixed numbers in lowest terms.
#include "units/frac-divide/unit.h"

#include "frame/mixed_number_bars.h"
#include "units/frac-divide/pages.h"

namespace units::frac_divide {

using frame::PageKind;

const frame::Unit unit{
    .name = "frac-divide",
    .folder = "FDIV",
    .title = "6年生の算数    分数のわり算",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 6, .title = "分数でわる",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 3, .title = "分数わる整数",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 分数でわる ------------ 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 分数わる整数 ---------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}},
    .modules_reset_logical_window = true,
    .bars = frame::mixed_number_bars(),
    .layout_hides = {{"FORM9", {}}},
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\pl.BMP", "\\pr.BMP", "\\mr.BMP", "\\ml.BMP"},
};

}  // namespace units::frac_divide
