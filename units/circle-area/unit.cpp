// circle-area: the area of a circle (6th grade): a circle cut into sectors and
// laid out as a near-rectangle gives 半径×半径×3.14; answers in c㎡.
#include "units/circle-area/unit.h"

#include "units/circle-area/pages.h"

namespace units::circle_area {

using frame::PageKind;

namespace {

const frame::Font kHyojun16{"標準明朝", 16};

}  // namespace

const frame::Unit unit{
    .name = "circle-area",
    .folder = "CIRC",
    .title = "6年生の算数    円の面積",
    .pages =
        {
            {.number = 1, .kind = PageKind::Explanation, .paragraphs = 2, .title = "円の面積1",
             .draw = draw_page1},
            {.number = 2, .kind = PageKind::Explanation, .paragraphs = 2, .title = "円の面積2",
             .draw = draw_page2},
            {.number = 3, .kind = PageKind::Exercise, .title = "練習1", .sheet = &page3},
            {.number = 4, .kind = PageKind::Exercise, .title = "練習2", .sheet = &page4},
        },
    .problem_groups = {{}},
    .contents_lines =
        {
            {7, "(よく見よう!)  ☆ 円の面積1 -------------- 1ページ"},
            {8, "(よく見よう!)  ☆ 円の面積2 -------------- 2ページ"},
            {9, "(やってみよう!)★ 練習 1 ----------------- 3ページ"},
            {10, "(やってみよう!)★ 練習 2 ----------------- 4ページ"},
        },
    .page_select_contents = "目次 ------------------- 0ページ",
    .navigation_reset = {.fields = {"EDIT1", "EDIT2"},
                         .bars = {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}},
    .pre_handler_reset = frame::PreHandlerReset::SoundAndDrawMode,
    .modules_reset_logical_window = true,
    .bars =
        {
            {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
             .ok = {{.checks = {{1, 1}}}}, .font = kHyojun16},
            {.form = "FORM9", .fields = {{"EDIT3", 1}, {"EDIT4", 2}, {"EDIT5", 3}, {"EDIT6", 4}},
             .ok_handler = "BUTTON3_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}, {4, 4}}}}},
            {.form = "FORM10",
             .fields = {{"EDIT8", 0}, {"EDIT9", 0}, {"EDIT10", 0}, {"EDIT11", 0}, {"EDIT12", 0},
                        {"EDIT13", 0}}},
            {.form = "FORM11", .fields = {{"EDIT14", 1}, {"EDIT15", 2}},
             .ok_handler = "BUTTON5_ON", .ok = {{.checks = {{1, 1}, {2, 2}}}}},
            {.form = "FORM12", .fields = {{"EDIT16", 0}, {"EDIT17", 0}, {"EDIT18", 0}}},
        },
    .end_hides = {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"},
    .fresh_start = 0,
    .canvas_keeps_drawing = true,
    .bitmap_objects = 1,
    .data_pictures = {"\\PF.BMP", "\\MF.BMP"},
    .folder_pictures = {"左指.BMP", "右指.BMP", "下指.BMP"},
};

}  // namespace units::circle_area
