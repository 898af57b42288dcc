#pragma once
// The few idioms both explanation pages of frac-divide are told in: a
// narration with its pause, a blink of several texts together, and a
// division slid to the right as a copy of itself.

#include <initializer_list>
#include <string_view>

#include "frame/explanation_page.h"

namespace units::frac_divide {


struct Shown {
    frame::PointF at{};
    std::string_view text{};
};

// Blink n: the texts drawn n times, shown on odd steps and hidden on even
// ones, with a pause after each step.
inline void blink(frame::Page& p, int n, int pause, std::initializer_list<Shown> texts) {
    p.blink(1, n, [&](int c) {
        for (const Shown& t : texts) p.text(t.at, t.text, c);
    }, 7, pause);
}

// A division written out, and a copy of it slid to the right in steps of
// 8, the area cleared before each step.
struct Slide {
    frame::PointF at{};            // the bars of the division written out
    std::string_view written{};    // its bars and signs, with "＝"
    std::string_view copy{};       // the copy's, without it
    std::string_view top{};        // the numerators
    std::string_view bottom{};     // the denominators
    int steps = 11;
    frame::PointF clear_from{};
    frame::PointF clear_to{};
};

inline float copy_x(const Slide& s) { return s.at.x + 8 * static_cast<float>(s.steps); }

inline void slide(frame::Page& p, const Slide& s) {
    p.steps({.from = 1, .to = static_cast<float>(s.steps), .pause = 5, .erase = frame::Erase::Box,
             .box_from = s.clear_from, .box_to = s.clear_to},
            [&](float i, int c) {
                p.fraction(s.at, {s.written, s.top, s.bottom}, c);
                p.fraction({s.at.x + 8 * i, s.at.y}, {s.copy, s.top, s.bottom}, c);
            });
}

}  // namespace units::frac_divide
