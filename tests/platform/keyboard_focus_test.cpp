// Tab, Enter, Space and Ctrl+C on the program's forms.

#include <QLineEdit>
#include <QPushButton>

#include "tests/platform/window_set_fixture.h"

namespace platform::testing {
namespace {

using Names = std::vector<std::string>;

TEST_F(WindowSetTest, TabWalksTheControlsInDescriptionOrderThroughTheFormItself) {
    // FORM7 lists BUTTON2 before EDIT2.
    Form& bar = shown("FORM7", {0, 414});
    QWidget* edit = bar.control_widget("EDIT2");
    QWidget* button = bar.control_widget("BUTTON2");
    QWidget* window = bar.window_widget();

    bar.edit("EDIT2").focus();
    EXPECT_EQ(focused(), edit);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), window);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), button);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), edit);

    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), button);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), window);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), edit);

    // Ctrl+Tab in an edit field is left to the field.
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focused(), edit);
    EXPECT_TRUE(bar.has_focus());
    EXPECT_TRUE(queue.size() == 0);
}

TEST_F(WindowSetTest, AHeldTabMovesTheFocusOnce) {
    Form& entry = shown("FORM3", {0, 414});   // EDIT1, then BUTTON1
    entry.edit("EDIT1").focus();
    held_key(Qt::Key_Tab, 5);
    EXPECT_EQ(focused(), entry.control_widget("BUTTON1"));
    held_key(Qt::Key_Tab, 3);
    EXPECT_EQ(focused(), entry.window_widget());
}

TEST_F(WindowSetTest, NavigationButtonsCannotBeReachedWithTab) {
    Form& bar = shown("FORM8", {0, 440});
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), bar.window_widget());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), bar.window_widget());

    // A click gives a button the focus; it takes no key.
    QWidget* next = bar.control_widget("BMPBUTTON3");
    QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(handlers_run(), Names{"BMPBUTTON3_ON"});
    EXPECT_EQ(focused(), next);
    key(Qt::Key_Return);
    key(Qt::Key_Space);
    EXPECT_EQ(queue.size(), 0u);
    key(Qt::Key_Tab);      // no tab stop on the bar: on to the bar itself
    EXPECT_EQ(focused(), bar.window_widget());
}

TEST_F(WindowSetTest, EnterOrSpaceOnTheFocusedOkButtonAnswersButNotInTheField) {
    Form& bar = shown("FORM7", {0, 414});
    auto* ok = static_cast<QPushButton*>(bar.control_widget("BUTTON2"));
    bar.edit("EDIT2").focus();
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    EXPECT_EQ(queue.size(), 0u);

    ok->setFocus();
    key(Qt::Key_Return);
    key(Qt::Key_Space);
    EXPECT_EQ(handlers_run(), (Names{"BUTTON2_ON", "BUTTON2_ON"}));

    // The press shows the button pushed in; the release answers, once.
    send(ok, QEvent::KeyPress, Qt::Key_Return, false);
    EXPECT_TRUE(ok->isDown());
    EXPECT_EQ(queue.size(), 0u);
    send(ok, QEvent::KeyRelease, Qt::Key_Return, false);
    EXPECT_FALSE(ok->isDown());
    held_key(Qt::Key_Space, 4);
    EXPECT_EQ(handlers_run(), (Names{"BUTTON2_ON", "BUTTON2_ON"}));
}

TEST_F(WindowSetTest, CtrlCOnAFormItselfStopsTheProgramButNotOnItsControls) {
    int stops = 0;
    windows->on_interrupt([&] { ++stops; });
    Form& bar = shown("FORM7", {0, 414});
    bar.edit("EDIT2").set_text("12");
    handlers_run();

    // On the form itself it stops the program as it goes down, once however
    // long it is held.
    QWidget* form = focused();
    ASSERT_EQ(form, bar.window_widget());
    send(form, QEvent::KeyPress, Qt::Key_C, false, Qt::ControlModifier);
    EXPECT_EQ(stops, 1);
    send(form, QEvent::KeyRelease, Qt::Key_C, true, Qt::ControlModifier);
    send(form, QEvent::KeyPress, Qt::Key_C, true, Qt::ControlModifier);
    send(form, QEvent::KeyRelease, Qt::Key_C, false, Qt::ControlModifier);
    EXPECT_EQ(stops, 1);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(bar.edit("EDIT2").text(), "12");   // the keys are discarded
    EXPECT_EQ(queue.size(), 0u);

    // The OK button keeps the key, which it passes on unused to its form.
    bar.control_widget("BUTTON2")->setFocus();
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(stops, 2);

    // Another window of the process is not the program's.
    QLineEdit other;
    other.show();
    other.activateWindow();
    other.setFocus();
    windows->read_input();
    QTest::keyClick(&other, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(stops, 2);
}

}  // namespace
}  // namespace platform::testing
