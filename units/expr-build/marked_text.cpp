#include "units/expr-build/marked_text.h"

namespace units::expr_build {

std::vector<frame::Ink> marked_text(std::vector<frame::Ink> rows,
                                    const std::vector<MarksInRow>& marks) {
    for (const MarksInRow& row : marks)
        for (float x : row.xs) rows.push_back(frame::Mark{{x, row.y}});
    return rows;
}

}  // namespace units::expr_build
