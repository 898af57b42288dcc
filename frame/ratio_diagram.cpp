#include "frame/ratio_diagram.h"

namespace frame {

std::vector<Ink> ratio_diagram() {
    return {
        ScaledText{{10, 215}, "答え  比  A : B"},
        Outline{{85, 216}, {101, 234}},
        Outline{{117, 216}, {133, 234}},
        CellRow{35, 11, "E"},
        CellRow{35, 12, "D"},
        ScaledText{{198, 219}, "比の値  C ─"},
        Outline{{257, 220}, {273, 239}},
        Outline{{277, 208}, {293, 225}},
        Outline{{277, 230}, {293, 248}},
    };
}

}  // namespace frame
