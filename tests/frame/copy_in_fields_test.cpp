// Ctrl+C in an edit field copies the field's text and the unit goes on; only
// on a form itself does it stop the program.
#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"
#include "units/frac-divide/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& expr_solve_2 = units::expr_solve_2::unit;
const frame::Unit& frac_divide = units::frac_divide::unit;

struct FieldCase {
    const char* what;
    const frame::Unit& unit;
    std::function<void(Pupil&)> reach;       // the field on screen, others filled
    std::string_view field;
    std::string_view text;
    std::function<bool(Pupil&)> went_on;     // what "O  K" did next
};

bool passed(Pupil& pupil, int sheet, int problem) {
    return pupil.lesson().pass_flags[std::size_t(sheet)][std::size_t(problem - 1)] == 1;
}

TEST(CopyInFields, CtrlCInEveryKindOfFieldCopiesAndTheUnitGoesOnToItsExit) {
    const FieldCase cases[] = {
        {"one-answer bar", expr_solve_2, [](Pupil& p) { p.open(2, "1"); }, "EDIT2", "54",
         [](Pupil& p) { return passed(p, 0, 1); }},
        {"two-answer bar", expr_solve_2, [](Pupil& p) { p.open(6, "1").type("EDIT3", "3"); },
         "EDIT4", "8", [](Pupil& p) { return passed(p, 2, 1); }},
        {"three-answer bar, after a pass", frac_divide,
         [](Pupil& p) { p.open(4, "1").answer({"", "5", "4"}); }, "EDIT16", "14",
         [](Pupil& p) { return passed(p, 1, 1) && passed(p, 1, 2); }},
        {"start-from dialog", expr_solve_2,
         [](Pupil& p) { p.press(Nav::Where).type("EDIT1", "2").click("BUTTON1"); }, "EDIT1", "3",
         [](Pupil& p) { return p.shown_bar() == "FORM7" && p.lesson().current_problems[0] == 3; }},
        {"page-select field", expr_solve_2, [](Pupil& p) { p.press(Nav::Where); }, "EDIT1", "2",
         [](Pupil& p) {
             return p.lesson().nav.current_page == 2 &&
                    p.lesson().nav.entry_mode == frame::EntryMode::StartFrom;
         }},
    };
    for (const FieldCase& c : cases) {
        Pupil pupil(c.unit);
        c.reach(pupil);
        QGuiApplication::clipboard()->clear();
        pupil.type(c.field, c.text)
            .key(c.field, Qt::Key_C, Qt::ControlModifier)   // alone, nothing selected
            .key(c.field, Qt::Key_A, Qt::ControlModifier)
            .key(c.field, Qt::Key_C, Qt::ControlModifier);
        EXPECT_FALSE(pupil.ended()) << c.what;
        EXPECT_TRUE(pupil.boxes().empty()) << c.what;
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.text) << c.what;
        EXPECT_EQ(pupil.lesson().field(c.field).text(), c.text) << c.what;

        pupil.ok();
        EXPECT_TRUE(c.went_on(pupil)) << c.what;
        const frame::PassFlags earned = pupil.lesson().pass_flags;
        pupil.press(Nav::Exit);
        EXPECT_EQ(pupil.exit_code(), 0) << c.what;
        EXPECT_EQ(pupil.drive().record_bytes(), harness::record_with(c.unit, earned)) << c.what;
        EXPECT_EQ(pupil.launcher_starts().size(), 1u) << c.what;
    }
}

}  // namespace
