#pragma once
// The window set on the forms of expr-solve-2, with a program that has the
// handlers the lessons have; keys go where the keyboard focus is, as they
// do for a pupil.

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/event_queue.h"
#include "platform/window_set.h"

namespace platform::testing {

// The forms the window-set tests build: those of expr-solve-2.
inline constexpr const char* kForms = ":/expr-solve-2/forms";

class WindowSetTest : public ::testing::Test {
protected:
    std::set<std::string, std::less<>> handlers{
        "BUTTON1_ON", "BUTTON2_ON", "EDIT2_CHANGE", "FORM4_MOUSEDOWN",
        "BMPBUTTON1_ON", "BMPBUTTON3_ON"};
    EventQueue queue;
    std::unique_ptr<WindowSet> windows = make_window_set(
        queue, [this](std::string_view name) { return handlers.contains(name); }, kForms);

    // Builds, places and shows a form, and gives it the keyboard focus.
    Form& shown(std::string_view name, QPoint at = {0, 0}) {
        Form& form = windows->build(name);
        form.move_to(at);
        form.show();
        form.focus();
        windows->read_input();
        return form;
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), key, modifiers);
    }

    // A key held down: the first press, then the system's repeats.
    void held_key(Qt::Key key, int repeats) {
        ASSERT_NE(focused(), nullptr);
        QWidget* target = focused();
        send(target, QEvent::KeyPress, key, false);
        for (int i = 0; i < repeats; ++i) {
            send(target, QEvent::KeyRelease, key, true);
            send(target, QEvent::KeyPress, key, true);
        }
        send(focused(), QEvent::KeyRelease, key, false);
    }

    static void send(QWidget* to, QEvent::Type type, Qt::Key key, bool repeat,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, QString(), repeat);
        QApplication::sendEvent(to, &event);
    }

    // The handlers of the events queued so far, oldest first.
    std::vector<std::string> handlers_run() {
        std::vector<std::string> names;
        while (auto event = queue.pop()) names.push_back(event->handler);
        return names;
    }
};

}  // namespace platform::testing
