#include "frame/answer_bars.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace frame {
namespace {

// The compare-and-swap orders of three and four slots.
constexpr std::pair<int, int> kSortThree[] = {{0, 1}, {1, 2}, {0, 1}};
constexpr std::pair<int, int> kSortFour[] = {{0, 1}, {1, 2}, {0, 1}, {2, 3}, {1, 2}, {0, 1}};

// An order-free rule first takes every field of the bar into its slot and
// puts the checked slots in ascending order.
void put_in_order(Lesson& lesson, const AnswerBar& bar, const OkRule& rule) {
    for (const AnswerField& field : bar.fields)
        if (field.slot != 0) keep_answer(lesson, field);
    sort_slots(lesson, rule.checks.front().slot, static_cast<int>(rule.checks.size()));
}

const OkRule* rule_for(const AnswerBar& bar, int page) {
    for (const OkRule& rule : bar.ok)
        if (rule.page == 0 || rule.page == page) return &rule;
    return nullptr;
}

}  // namespace

bool slot_is(const Lesson& lesson, int slot, std::string_view text) {
    return platform::to_cp932(lesson.answer_slots.at(static_cast<std::size_t>(slot))) ==
           platform::to_cp932(text);
}

bool check_holds(const Lesson& lesson, const SlotCheck& check) {
    const auto& keys = lesson.keys;
    return slot_is(lesson, check.slot, keys.at(static_cast<std::size_t>(check.key))) ||
           (check.alt_key != 0 &&
            slot_is(lesson, check.slot, keys.at(static_cast<std::size_t>(check.alt_key))));
}

void keep_answer(Lesson& lesson, const AnswerField& field) {
    lesson.answer_slots.at(field.slot) = lesson.field(field.name).text();
}

void sort_slots(Lesson& lesson, int first, int count) {
    auto& answers = lesson.answer_slots;
    for (int i = 0; i < count; ++i)
        if (answers.at(first + i).empty()) answers[first + i].assign(1, '0');
    const std::span<const std::pair<int, int>> order =
        count == 4 ? std::span<const std::pair<int, int>>(kSortFour) : kSortThree;
    for (auto [a, b] : order) {
        if (std::max(a, b) >= count) continue;
        auto& x = answers[first + a];
        auto& y = answers[first + b];
        if (platform::number_value(x) > platform::number_value(y)) std::swap(x, y);
    }
}

void judge_answer(Lesson& lesson, const AnswerBar& bar) {
    const int page = lesson.nav.current_page;
    if (const OkRule* rule = rule_for(bar, page)) {
        if (rule->order_free) put_in_order(lesson, bar, *rule);
        const bool right = std::ranges::all_of(
            rule->checks, [&](const SlotCheck& check) { return check_holds(lesson, check); });
        lesson.request = page * 10 + (right ? 2 : 3);
    }
    lesson.field(bar.fields.front().name).focus();
}

}  // namespace frame
