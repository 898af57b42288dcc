#include "units/frac-divide/division_sheet.h"

namespace units::frac_divide {

using frame::CellRow;

frame::Problem division(std::string_view label, const frame::FractionRows& rows,
                        const std::array<std::string_view, 3>& keys, std::string_view hint) {
    return {.show = {CellRow{0, 4, label}, rows},
            .keys = {keys[0], keys[1], keys[2]},
            .hint = {hint}};
}

const std::vector<frame::Ink>& division_instructions() {
    static const std::vector<frame::Ink> instructions = [] {
        std::vector<frame::Ink> inks{
            CellRow{4, 4, "次の計算をして答えのA,B,Cにあてはまる数を答えなさい｡"},
            CellRow{4, 5, "(答えが真分数の場合はAはとばして答えなさい｡また答え"},
            CellRow{4, 6, "が整数の場合はB,Cはとばして答えなさい｡)"},
        };
        for (const frame::Ink& ink : frame::mixed_number_diagram()) inks.push_back(ink);
        return inks;
    }();
    return instructions;
}

const std::vector<frame::BarLabel>& answer_labels() {
    static const std::vector<frame::BarLabel> labels{
        {{58, 3}, "答え A"}, {{248, 3}, "B"}, {{401, 3}, "C"}};
    return labels;
}

}  // namespace units::frac_divide
