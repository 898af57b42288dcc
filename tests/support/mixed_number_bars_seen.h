#pragma once
// The five answer bars of a unit that answers in mixed numbers on FORM12,
// as the window set holds them after start-up.

#include <vector>

#include "tests/support/screens_seen.h"

namespace harness {

inline const std::vector<BarSeen> kFractionBarsSeen = {
    {"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
    {"FORM9", 641,
     {{"EDIT3", {96, 0, 32, 22}}, {"EDIT7", {352, 0, 32, 22}}, {"BUTTON3", {480, 0, 80, 22}}}},
    {"FORM10", 641,
     {{"EDIT8", {96, 0, 32, 22}}, {"EDIT13", {416, 0, 32, 22}}, {"BUTTON4", {496, 0, 80, 22}}}},
    {"FORM11", 641,
     {{"EDIT14", {104, 0, 64, 22}}, {"EDIT15", {296, 0, 64, 22}}, {"BUTTON5", {464, 0, 80, 22}}}},
    {"FORM12", 641,
     {{"EDIT16", {120, 0, 40, 22}}, {"EDIT17", {264, 0, 40, 22}}, {"EDIT18", {416, 0, 40, 22}},
      {"BUTTON6", {512, 0, 80, 22}}}},
};

}  // namespace harness
