// unit-copy: a copy of expr-solve-2, run headless by the pupil harness on a
// course drive that the test which started it laid out, in step with that
// test (tests/support/forked.h): it starts, reading the record, and tells
// so; on the test's word it passes one problem of page 2 and exits, waiting
// in real time for other copies exiting together.
//
//   unit-copy COURSE_ROOT PROBLEM ANSWER
//
// Its exit status is 0 when the program ended without a message box.
#include <QApplication>

#include <chrono>
#include <memory>
#include <thread>

#include "tests/support/forked.h"
#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) return 2;
    const frame::Unit& unit = units::expr_solve_2::unit;
    harness::Forked::Steps steps = harness::Forked::Steps::handed_down();
    harness::Pupil pupil(unit, std::make_shared<const harness::CourseDrive>(unit, argv[1]));
    steps.ready();
    if (!steps.go_given(std::chrono::seconds(60))) return 2;
    pupil.open(2, argv[2]).answer({argv[3]});
    // Copies exiting together wait for each other's rewrite in real time.
    pupil.clock().on_sleep([](std::chrono::milliseconds length) { std::this_thread::sleep_for(length); });
    pupil.press(harness::Nav::Exit);
    return pupil.ended() && pupil.boxes().empty() ? 0 : 1;
}
