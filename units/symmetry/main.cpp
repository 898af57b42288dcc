#include "frame/program.h"
#include "units/symmetry/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::symmetry::unit);
}
