#include "frame/handlers.h"

#include "frame/answer_bars.h"
#include "frame/entry_bar.h"
#include "frame/lesson.h"
#include "frame/navigation.h"
#include "frame/page_modules.h"

namespace frame {

HandlerTable handlers_of(const Unit& unit) {
    HandlerTable table{
        {"BMPBUTTON1_ON", on_befor},
        {"BMPBUTTON2_ON", on_last},
        {"BMPBUTTON3_ON", on_next},
        {"BMPBUTTON4_ON", on_where},
        {"BMPBUTTON5_ON", on_head},
        {"BMPBUTTON6_ON", on_top},
        {"BMPBUTTON7_ON", on_exit},
        {"EDIT1_CHANGE", on_entry_change},
        {"BUTTON1_ON", on_entry_ok},
        {"FORM4_MOUSEDOWN", [](Lesson& lesson, platform::Form&) { open_module(lesson, "move"); }},
    };
    for (const AnswerBar& bar : unit.bars) {
        if (!bar.ok_handler.empty())
            table[std::string(bar.ok_handler)] = [&bar](Lesson& lesson, platform::Form&) {
                judge_answer(lesson, bar);
            };
        for (const AnswerField& field : bar.fields) {
            if (field.slot == 0) continue;
            table[std::string(field.name) + "_CHANGE"] = [&field](Lesson& lesson, platform::Form&) {
                keep_answer(lesson, field);
            };
        }
    }
    return table;
}

}  // namespace frame
