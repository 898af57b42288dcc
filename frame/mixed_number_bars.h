#pragma once
// The answer bars of a unit whose every answer is a mixed number typed into
// the three-answer bar FORM12 as whole part (A), denominator (B) and
// numerator (C); the other bars are built but never shown.
#include <vector>

#include "frame/unit.h"

namespace frame {

inline std::vector<AnswerBar> mixed_number_bars() {
    return {
        {.form = "FORM7", .fields = {{"EDIT2", 1}}, .ok_handler = "BUTTON2_ON",
         .ok = {{.checks = {{1, 1}}}}, .font = Font{"標準明朝", 16}},
        {.form = "FORM9",
         .fields = {{"EDIT3", 0}, {"EDIT4", 0}, {"EDIT5", 0}, {"EDIT6", 0}, {"EDIT7", 0}}},
        {.form = "FORM10",
         .fields = {{"EDIT8", 0}, {"EDIT9", 0}, {"EDIT10", 0}, {"EDIT11", 0}, {"EDIT12", 0},
                    {"EDIT13", 0}}},
        {.form = "FORM11", .fields = {{"EDIT14", 1}, {"EDIT15", 2}}, .ok_handler = "BUTTON5_ON",
         .ok = {{.checks = {{1, 1}, {2, 2}}}}},
        {.form = "FORM12", .fields = {{"EDIT16", 1}, {"EDIT17", 2}, {"EDIT18", 3}},
         .ok_handler = "BUTTON6_ON", .ok = {{.checks = {{1, 1}, {2, 2}, {3, 3}}}}},
    };
}

}  // namespace frame
