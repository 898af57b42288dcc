#include "frame/program.h"
#include "units/sector-area/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::sector_area::unit);
}
