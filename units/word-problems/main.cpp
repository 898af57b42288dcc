#include "frame/program.h"
#include "units/word-problems/unit.h"

int main(int argc, char** argv) {
    return frame::lesson_main(argc, argv, units::word_problems::unit);
}
