#include "tests/support/unit_tour.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace harness {

std::vector<std::string> canvas_texts(const Pupil& pupil) {
    std::vector<std::string> texts;
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM") texts.push_back(drawn.text.text);
    return texts;
}

Cells cells_of(const Pupil& pupil, std::string_view text) {
    Cells cells;
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.kind == platform::DrawCall::Kind::Cell &&
            drawn.text.text == text)
            cells.emplace_back(drawn.text.column, drawn.text.row);
    return cells;
}

std::vector<std::string> dialog_texts(Pupil& pupil, int page) {
    pupil.press(Nav::Where);
    pupil.type("EDIT1", std::to_string(page));
    pupil.forget_texts();
    pupil.click("BUTTON1");
    return canvas_texts(pupil);
}

std::string record_after_exit(Pupil& pupil) {
    pupil.press(Nav::Exit);
    return pupil.drive().record_bytes();
}

int ok_verdict(Pupil& pupil, std::string_view ok_handler) {
    frame::Lesson& lesson = pupil.lesson();
    for (const frame::AnswerBar& bar : lesson.unit.bars) {
        if (bar.ok_handler != ok_handler) continue;
        lesson.request = frame::kIdle;
        lesson.handlers.at(std::string(ok_handler))(lesson, lesson.form(bar.form));
        const int verdict = lesson.request;
        lesson.request = frame::kIdle;  // judged only: no page routine is to run
        return verdict;
    }
    ADD_FAILURE() << "no bar has the handler " << ok_handler;
    return frame::kIdle;
}

bool holds(const std::vector<std::string>& texts, std::string_view text) {
    return std::ranges::find(texts, text) != texts.end();
}

}  // namespace harness
