// symmetry: line symmetry and point symmetry of figures (6th grade).
#include "units/symmetry/unit.h"

#include "units/symmetry/pages.h"

namespace units::symmetry {

using frame::PageKind;

const frame::Unit unit{
    .name = "symmetry",
    .folder = "SYMM",
    .title = "6年生の算数   線対称と点対称",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 5, .title = "線対称",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page2},
            {.number = 3, .kind = PageKind::Explanation, .paragraphs = 2, .title = "点対称",
             .draw = draw_page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 線対称 ---------------- 1ページ"},
            {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
            {9, "(よく見よう!)  ☆ 点対称 ---------------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
        },
    .navigation_reset = {.fields = {"EDIT1", "EDIT2", "EDIT3", "EDIT4"},
                         .bars = {"FORM7", "FORM9"}},
    .pre_handler_reset = frame::PreHandlerReset::SoundAndDrawMode,
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 2}}, .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{1, 1}, {2, 2}}}}},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9"},
    .fresh_start = 0,
    .canvas_keeps_drawing = true,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP", "\\mr.BMP", "\\ml.BMP"},
    .folder_pictures = {"上指.BMP"},
};

}  // namespace units::symmetry
