#pragma once
// What both exercise pages share: figures in pixels, the rounding rule
// above every instruction, whole hints on the row below the figure.

#include <string_view>

#include "frame/exercise_page.h"

namespace units::sector_area {

constexpr std::string_view kMincho = "ＭＳ 明朝";
constexpr std::string_view kRounding = "わり切れない時は四捨五入して小数第2位まで求めなさい｡";

inline frame::ExerciseSheet sector_sheet(frame::ExerciseSheet sheet) {
    sheet.coordinates = frame::Coordinates::Pixels;
    sheet.lead = {};
    return sheet;
}

// The rule, the instruction and the problem's number, in the page's face.
inline std::vector<frame::Ink> problem_texts(std::string_view instruction,
                                             std::string_view number) {
    using frame::CellRow;
    return {CellRow{5, 5, kRounding, {}, kMincho}, CellRow{5, 4, instruction, {}, kMincho},
            CellRow{0, 4, number, {}, kMincho}};
}

}  // namespace units::sector_area
