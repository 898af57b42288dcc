// Exercise page 4.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習",
    .problems = {{.rows = {{0, 6, "(1)"}}, .keys = {"1"}}},
    .feedback_from = {0, 320}, .feedback_to = {640, 460},
    .praise = {0, 17},
    .password = "",
};

}  // namespace units::expr_solve_2
