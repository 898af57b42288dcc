#include "frame/program.h"
#include "units/ratio-value/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::ratio_value::unit);
}
