// Every key of every unit shows whole in the fields it is typed into: its
// width in the field's font, as the program sets it at start-up, within the
// room the field gives a text it shows whole.
#include <QFontMetrics>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/exercise_page.h"
#include "platform/edit_field.h"
#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

const frame::AnswerBar& bar_named(const frame::Unit& unit, std::string_view form) {
    return *std::ranges::find(unit.bars, form, &frame::AnswerBar::form);
}

const frame::OkRule* rule_of(const frame::AnswerBar& bar, int page) {
    for (const frame::OkRule& rule : bar.ok)
        if (rule.page == 0 || rule.page == page) return &rule;
    return nullptr;
}

// The fields a check's key may be typed into: those of its slot, or of any
// slot the rule takes in any order.
std::vector<std::string_view> fields_of(const frame::AnswerBar& bar, const frame::OkRule& rule,
                                        const frame::SlotCheck& check) {
    std::vector<std::string_view> fields;
    for (const frame::AnswerField& field : bar.fields) {
        const bool checked = std::ranges::any_of(rule.checks, [&](const frame::SlotCheck& c) {
            return c.slot == field.slot;
        });
        if (field.slot == check.slot || (rule.order_free && checked)) fields.push_back(field.name);
    }
    return fields;
}

TEST(AnswerFields, InEveryUnitEveryKeyShowsWholeInItsField) {
    int measured = 0;
    for (const frame::Unit* unit : units::course_units()) {
        harness::Pupil pupil(*unit);
        for (const frame::LessonPage& page : unit->pages) {
            if (!page.sheet) continue;
            int number = 0;
            for (const frame::Problem& problem : page.sheet->problems) {
                ++number;
                const frame::AnswerBar& bar =
                    bar_named(*unit, problem.bar.empty() ? page.sheet->bar : problem.bar);
                const frame::OkRule* rule = rule_of(bar, page.number);
                ASSERT_NE(rule, nullptr) << unit->name << " page " << page.number;
                for (const frame::SlotCheck& check : rule->checks)
                    for (const int key : {check.key, check.alt_key}) {
                        if (key == 0) continue;
                        const std::string_view text = problem.keys.at(std::size_t(key - 1));
                        for (const std::string_view name : fields_of(bar, *rule, check)) {
                            const auto* field = qobject_cast<QLineEdit*>(
                                pupil.windows().form(bar.form).control_widget(name));
                            ASSERT_NE(field, nullptr) << name;
                            const int width = QFontMetrics(field->font()).horizontalAdvance(
                                QString::fromUtf8(text.data(), qsizetype(text.size())));
                            EXPECT_LE(width, platform::text_room(*field))
                                << unit->name << " page " << page.number << " problem "
                                << number << ": \"" << text << "\" in " << name << ", "
                                << field->width() << " pixels wide";
                            ++measured;
                        }
                    }
            }
        }
    }
    EXPECT_GT(measured, 400);
}

}  // namespace
