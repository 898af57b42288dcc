#include "frame/program.h"
#include "units/frac-divide/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::frac_divide::unit);
}
