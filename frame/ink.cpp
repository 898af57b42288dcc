#include "frame/ink.h"

namespace frame {

std::vector<Ink> mixed_number_diagram(const MixedNumberBoxes& boxes) {
    return {
        CellRow{18, 11, "C"},
        CellRow{18, 12, "B"},
        ScaledText{{78, 219}, "答え  A ─"},
        Outline{boxes.a_from, boxes.a_to},
        Outline{boxes.c_from, boxes.c_to},
        Outline{boxes.b_from, boxes.b_to},
    };
}

}  // namespace frame
