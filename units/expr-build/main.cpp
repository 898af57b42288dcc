#include "frame/program.h"
#include "units/expr-build/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::expr_build::unit);
}
