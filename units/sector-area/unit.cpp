// sector-area: the area of a sector, its arc and composite figures (6th grade, advanced).
#include "units/sector-area/unit.h"

#include "units/sector-area/pages.h"

namespace units::sector_area {

using frame::PageKind;

const frame::Unit unit{
    .name = "sector-area",
    .folder = "SECT",
    .title = "6年生の算数    発展･おうぎ形の面積",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 2,
             .title = "おうぎ形って何?", .draw = draw_page1},
            {.number = 2, .kind = PageKind::Explanation, .paragraphs = 3,
             .title = "おうぎ形の面積1", .draw = draw_page2},
            {.number = 3, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page3},
            {.number = 4, .kind = PageKind::Explanation, .paragraphs = 2,
             .title = "おうぎ形の面積2", .draw = draw_page4},
            {.number = 5, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page5},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ おうぎ形って何? ------- 1ページ"},
            {8, "(よく見よう!)  ☆ おうぎ形の面積1 ------- 2ページ"},
            {9, "(やってみよう!)★ 練習 1 ---------------- 3ページ"},
            {10, "(よく見よう!)  ☆ おうぎ形の面積2 ------- 4ページ"},
            {11, "(やってみよう!)★ 練習 2 ---------------- 5ページ"},
        },
    .module_table = {"main", "mainform", "pag1", "pag2", "pag3", "pag5", "pag6", "pag0", "site",
                     "move", "pag4"},
    .navigation_reset = {.fields = {"EDIT1", "EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"},
                         .bars = {"FORM7", "FORM9", "FORM10"}},
    .pre_handler_reset = frame::PreHandlerReset::SoundAndDrawMode,
    .modules_reset_logical_window = true,
    .bars =
        {
            // Page 5 takes a second key for the one problem with two
            // roundings; its other problems repeat their key there.
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.page = 5, .checks = {{.slot = 1, .key = 1, .alt_key = 2}}},
                    {.checks = {{1, 1}}}}},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 2}}, .ok_handler = "BUTTON3_ON",
             .ok = {{.checks = {{1, 1}, {2, 2}}}}},
            {.form = "FORM10", .fields = {{"EDIT5", 1}, {"EDIT6", 2}, {"EDIT7", 3}},
             .ok_handler = "BUTTON4_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}}}}},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10"},
    .fresh_start = 0,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP"},
    .folder_pictures = {"上指.BMP", "左指.BMP", "右指.BMP"},
};

}  // namespace units::sector_area
