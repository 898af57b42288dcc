#include "frame/program.h"
#include "units/expr-solve-1/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::expr_solve_1::unit);
}
