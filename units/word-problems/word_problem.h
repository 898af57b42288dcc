#pragma once
// A word problem of the exercise pages: its number, its sentence with the
// fraction bars written into it and the numerators and denominators on the
// rows above and below, then its unit label beside the answer diagram.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "frame/exercise_page.h"

namespace units::word_problems {

struct Sentence {
    int offset = 0;  // columns after column 5 where the fraction rows start
    std::string_view top{}, bottom{};
    float x = 0;     // of the sentence, on row y 143
    std::string_view text{};
};

inline constexpr std::array<std::string_view, 8> kNumbers{"",    "(1)", "(2)", "(3)",
                                                          "(4)", "(5)", "(6)", "(7)"};

// The problem's number, sentence, the further inks it needs and its unit
// label, in that order.
inline std::vector<frame::Ink> word_problem(int k, const Sentence& s, std::string_view label,
                                            std::vector<frame::Ink> further = {}) {
    std::vector<frame::Ink> inks{
        frame::CellRow{0, 4, kNumbers.at(static_cast<std::size_t>(k))},
        frame::FractionRows{5 + s.offset, s.top, s.bottom, {s.x, 143}, s.text}};
    for (frame::Ink& ink : further) inks.push_back(std::move(ink));
    inks.push_back(frame::ScaledText{{166, 218}, label});
    return inks;
}

// The three-answer bar's labels.
inline const std::vector<frame::BarLabel> kBarLabels{
    {{85, 3}, "答え A"}, {{220, 3}, "B"}, {{305, 3}, "C"}};

}  // namespace units::word_problems
