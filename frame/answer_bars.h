#pragma once
// The answer bars' handlers: each field's change handler keeps its answer
// slot; each OK handler judges the slots against the keys.

#include <string_view>

#include "frame/lesson.h"

namespace frame {

// Stores the field's whole text in its answer slot.
void keep_answer(Lesson& lesson, const AnswerField& field);

// Judges the typed answers and sets the request code of the current page:
// page × 10 + 2 right, page × 10 + 3 wrong; the bar's first field gets the focus.
void judge_answer(Lesson& lesson, const AnswerBar& bar);

// Whether an answer slot holds a text, byte for byte as the record's code
// page has it; and whether it holds its check's key or alternative key.
bool slot_is(const Lesson& lesson, int slot, std::string_view text);
bool check_holds(const Lesson& lesson, const SlotCheck& check);

// Sorts answer slots first..first+count-1 by numeric value, an empty text
// counting as "0" (compare-and-swap, swapping only on strictly greater).
void sort_slots(Lesson& lesson, int first, int count);

}  // namespace frame
