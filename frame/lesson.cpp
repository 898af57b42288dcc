#include "frame/lesson.h"

#include "platform/run_error.h"

namespace frame {
namespace {

int slot_count(const Unit& unit) {
    int count = 0;
    for (const AnswerBar& bar : unit.bars)
        for (const AnswerField& field : bar.fields) count = std::max(count, field.slot);
    return count;
}

}  // namespace

Lesson::Lesson(const Unit& unit, Services io, platform::EventQueue& queue)
    : unit(unit), io(io), queue(queue), handlers(handlers_of(unit)),
      current_problems(unit.problem_groups.size(), 0.0),
      answer_slots(static_cast<std::size_t>(slot_count(unit)) + 1) {}

platform::Surface& Lesson::canvas() { return form("MAINFORM").surface(); }

platform::Form& Lesson::form(std::string_view name) { return io.windows.form(name); }

platform::EditField& Lesson::field(std::string_view name) {
    if (name == "EDIT1") return form("FORM3").edit(name);
    for (const AnswerBar& bar : unit.bars)
        for (const AnswerField& field : bar.fields)
            if (field.name == name) return form(bar.form).edit(name);
    throw platform::RunError(platform::ErrorNumber::NoSuchControl);
}

const platform::Picture& Lesson::picture(std::string_view name) const {
    const auto found = pictures.find(name);
    if (found == pictures.end()) throw platform::RunError(platform::ErrorNumber::FileNotFound);
    return found->second;
}

}  // namespace frame
