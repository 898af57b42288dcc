#include "tests/tour/answers.h"

#include <algorithm>

#include "frame/answer_bars.h"

namespace tour {
namespace {

std::string key_of(const frame::Problem& problem, int key) {
    return std::string(problem.keys.at(static_cast<std::size_t>(key - 1)));
}

// The smallest whole number that is none of the problem's keys.
std::string not_a_key(const frame::Problem& problem) {
    for (int n = 0;; ++n) {
        const std::string text = std::to_string(n);
        if (std::ranges::find(problem.keys, text) == problem.keys.end()) return text;
    }
}

}  // namespace

const frame::AnswerBar& bar_of(const frame::Unit& unit, const frame::ExerciseSheet& sheet,
                               const frame::Problem& problem) {
    const std::string_view form = problem.bar.empty() ? sheet.bar : problem.bar;
    return *std::ranges::find(unit.bars, form, &frame::AnswerBar::form);
}

const frame::OkRule* rule_of(const frame::AnswerBar& bar, int page) {
    for (const frame::OkRule& rule : bar.ok)
        if (rule.page == 0 || rule.page == page) return &rule;
    return nullptr;
}

SlotTexts right_answer(const frame::OkRule& rule, const frame::Problem& problem) {
    SlotTexts texts;
    for (const frame::SlotCheck& check : rule.checks) texts[check.slot] = key_of(problem, check.key);
    return texts;
}

SlotTexts wrong_answer(const frame::OkRule& rule, const frame::Problem& problem) {
    SlotTexts texts;
    for (const frame::SlotCheck& check : rule.checks) texts[check.slot] = not_a_key(problem);
    return texts;
}

std::optional<SlotTexts> hint_answer(const frame::OkRule& rule, const frame::Problem& problem,
                                     const frame::Hint& hint) {
    if (hint.keys.empty() && hint.typed.empty()) return std::nullopt;
    SlotTexts texts = wrong_answer(rule, problem);
    for (const frame::SlotCheck& check : hint.keys) texts[check.slot] = key_of(problem, check.key);
    for (const frame::TypedText& typed : hint.typed) texts[typed.slot] = std::string(typed.text);
    return texts;
}

int fitting_hint(const frame::Lesson& lesson, const frame::ExerciseSheet& sheet, int problem) {
    for (std::size_t i = 0; i < sheet.hints.size(); ++i) {
        const frame::Hint& hint = sheet.hints[i];
        const bool fits =
            hint.problems.hold(problem) &&
            std::ranges::all_of(hint.keys,
                                [&](const auto& c) { return frame::check_holds(lesson, c); }) &&
            std::ranges::all_of(hint.typed, [&](const auto& t) {
                return frame::slot_is(lesson, t.slot, t.text);
            });
        if (fits) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace tour
