#include "frame/program.h"
#include "units/expr-solve-3/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::expr_solve_3::unit);
}
