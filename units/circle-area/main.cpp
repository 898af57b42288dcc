#include "frame/program.h"
#include "units/circle-area/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::circle_area::unit);
}
