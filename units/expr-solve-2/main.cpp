#include "frame/program.h"
#include "units/expr-solve-2/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::expr_solve_2::unit);
}
