#pragma once
// What a pupil types into a problem's answer bar to see each of its screens:
// the right answer, a plain wrong one, and the texts that select a hint of
// the sheet's table.

#include <map>
#include <optional>
#include <string>

#include "frame/exercise_page.h"
#include "frame/lesson.h"

namespace tour {

// The texts of the answer slots, by slot; a slot not named is left empty.
using SlotTexts = std::map<int, std::string>;

// The bar a problem is answered on, and the rule that judges it there.
const frame::AnswerBar& bar_of(const frame::Unit& unit, const frame::ExerciseSheet& sheet,
                               const frame::Problem& problem);
const frame::OkRule* rule_of(const frame::AnswerBar& bar, int page);

// Every checked slot holds its key.
SlotTexts right_answer(const frame::OkRule& rule, const frame::Problem& problem);

// Every checked slot holds a number that is none of the problem's keys.
SlotTexts wrong_answer(const frame::OkRule& rule, const frame::Problem& problem);

// The slots a hint looks at hold what it looks for, the other checked slots
// a wrong number; none when the hint is not chosen by what was typed.
std::optional<SlotTexts> hint_answer(const frame::OkRule& rule, const frame::Problem& problem,
                                     const frame::Hint& hint);

// The first hint of the sheet's table that fits the problem and the answer
// slots as the lesson holds them after a wrong answer, or -1.
int fitting_hint(const frame::Lesson& lesson, const frame::ExerciseSheet& sheet, int problem);

}  // namespace tour
