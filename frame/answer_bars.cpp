#include "frame/answer_bars.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace frame {
namespace {

bool slot_is(const Lesson& lesson, int slot, int key) {
    return platform::to_cp932(lesson.answer_slots.at(slot)) ==
           platform::to_cp932(lesson.keys.at(key));
}

// The compare-and-swap orders of the three- and four-field bars.
constexpr std::pair<int, int> kSortThree[] = {{0, 1}, {1, 2}, {0, 1}};
constexpr std::pair<int, int> kSortFour[] = {{0, 1}, {1, 2}, {0, 1}, {2, 3}, {1, 2}, {0, 1}};

bool slots_match_keys(const Lesson& lesson, int count, int first_key) {
    for (int i = 0; i < count; ++i)
        if (!slot_is(lesson, 1 + i, first_key + i)) return false;
    return true;
}

// Reads the bar's fields into slots 1.. and judges them in any order.
bool order_free(Lesson& lesson, const AnswerBar& bar) {
    const int count = static_cast<int>(bar.fields.size());
    for (int i = 0; i < count; ++i)
        lesson.answer_slots.at(1 + i) = lesson.field(bar.fields[i].name).text();
    sort_slots(lesson, 1, count);
    return slots_match_keys(lesson, count, 4);
}

bool contains(const std::vector<int>& pages, int page) {
    return std::ranges::find(pages, page) != pages.end();
}

// Right, wrong, or (on a page the bar does not serve) no verdict at all.
enum class Verdict { Right, Wrong, None };

Verdict verdict(Lesson& lesson, const AnswerBar& bar) {
    const int page = lesson.nav.current_page;
    auto of = [](bool right) { return right ? Verdict::Right : Verdict::Wrong; };
    switch (bar.judge) {
    case Judge::Key1:
        return of(slot_is(lesson, 1, 1));
    case Judge::Key1Or2AndKey3:
        return of((slot_is(lesson, 1, 1) || slot_is(lesson, 1, 2)) && slot_is(lesson, 3, 3));
    case Judge::OrderFreeOrInOrder:
        if (contains(bar.order_free_pages, page)) return of(order_free(lesson, bar));
        if (contains(bar.in_order_pages, page)) return of(slots_match_keys(lesson, 3, 1));
        return Verdict::None;
    case Judge::OrderFreeFour:
        return of(order_free(lesson, bar));
    case Judge::Custom:
        return of(bar.custom(lesson));
    }
    return Verdict::None;
}

}  // namespace

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
    const Verdict v = verdict(lesson, bar);
    if (v != Verdict::None)
        lesson.request = lesson.nav.current_page * 10 + (v == Verdict::Right ? 2 : 3);
    lesson.field(bar.fields.front().name).focus();
}

}  // namespace frame
