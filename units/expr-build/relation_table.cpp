#include "units/expr-build/relation_table.h"

#include <string>

namespace units::expr_build {

void draw_relation_table(frame::ExerciseScreen& screen, const RelationTable& table) {
    screen.line({50, 150}, {50, 210}, 7);
    for (float x = 200; x <= 400; x += 40) screen.line({x, 150}, {x, 210}, 7);
    for (float y : {150.f, 180.f, 210.f}) screen.line({50, y}, {410, y}, 7);
    for (int i = 1; i <= 5; ++i) screen.text({40.f * i + 170, 157}, " " + std::to_string(i));
    screen.draw({table.top_label, table.bottom_label, table.bottom_row});
}

}  // namespace units::expr_build
