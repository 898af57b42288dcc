#include "frame/exercise_page.h"

#include <QString>

#include <optional>
#include <string>

#include "frame/lesson.h"
#include "platform/cell_text.h"
#include "platform/text.h"

namespace frame {
namespace {

template <class... Ways>
struct Overloaded : Ways... {
    using Ways::operator()...;
};
template <class... Ways>
Overloaded(Ways...) -> Overloaded<Ways...>;  // for compilers without aggregate deduction

// The typed text, cut short at a whole character so that it takes at most
// `cells` cells.
std::string cut_to(std::string_view typed, int cells) {
    std::string kept;
    for (const platform::Glyph& glyph : platform::split_glyphs(typed)) {
        cells -= glyph.cells;
        if (cells < 0) break;
        kept += QString::fromUcs4(&glyph.code, 1).toUtf8().toStdString();
    }
    return kept;
}

}  // namespace

ExerciseScreen::ExerciseScreen(Lesson& lesson, const ExerciseSheet& sheet)
    : Drawing(lesson, lesson.canvas()), sheet_(sheet) {}

void ExerciseScreen::draw(const std::vector<Ink>& inks) {
    for (const Ink& ink : inks) draw_ink(ink);
}

void ExerciseScreen::draw_ink(const Ink& ink) {
    platform::Surface& canvas = surface();
    const int colour = canvas.state().text_colour;
    std::visit(
        Overloaded{
            [&](const CellRow& row) {
                std::optional<Scoped> face;
                if (!row.face.empty()) face.emplace(font(row.face));
                if (row.colour) text_colour(*row.colour);
                cell_text(row.column, row.row, row.text);
                if (row.colour) text_colour(colour);
            },
            [&](const ScaledText& t) {
                std::optional<Scoped> size;
                if (t.font_size != 0) size.emplace(font_size(t.font_size));
                text(t.at, t.text, t.colour.value_or(colour));
            },
            [&](const Mark& m) { mark(m.at, m.colour.value_or(colour)); },
            [&](const Outline& o) { box(o.from, o.to, o.colour); },
            [&](const Stroke& s) { line(s.from, s.to, s.colour); },
            [&](const FractionRows& f) {
                cell_text(f.column, 7, f.top);
                cell_text(f.column, 8, f.bottom);
                if (!f.bars.empty()) text(f.bars_at, f.bars, colour);
            },
            [&](const Echo& e) {
                const int columns = canvas.client_size().width() /
                                    platform::cell_size(canvas.state().font.size).width();
                const int room = columns - e.column - platform::cell_width(e.before) -
                                 platform::cell_width(e.after);
                cell_text(e.column, e.row,
                          std::string(e.before) + cut_to(typed(e.slot), room) + std::string(e.after));
            },
        },
        ink);
}

std::string_view ExerciseScreen::typed(int slot) const {
    return lesson().answer_slots.at(static_cast<std::size_t>(slot));
}

int ExerciseScreen::problem_number() const {
    const LessonPage* page = lesson().unit.lesson_page(sheet_.page);
    return static_cast<int>(lesson().current_problems.at(static_cast<std::size_t>(page->problem_group)));
}

}  // namespace frame
