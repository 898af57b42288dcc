#include "platform/keyboard_focus.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace platform {

std::optional<int> next_focus_place(std::span<const FocusControl> controls, int from,
                                    TabDirection direction) {
    const int count = int(controls.size());
    if (direction == TabDirection::Forward) {
        for (int i = from + 1; i < count; ++i)    // from the form: i starts at 0
            if (controls[i].tab_stop) return i;
    } else {
        for (int i = (from == kFormItself ? count : from) - 1; i >= 0; --i)
            if (controls[i].tab_stop) return i;
    }
    if (from == kFormItself) return std::nullopt;  // no tab stop at all
    return kFormItself;
}

namespace {

bool is_key_event(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

bool is_interrupt(const QKeyEvent& key) {
    return key.key() == Qt::Key_C && (key.modifiers() & Qt::ControlModifier);
}

bool is_tab(const QKeyEvent& key) {
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

bool is_press_key(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
           key.key() == Qt::Key_Space;
}

// The widget that holds the keyboard focus within a window; the window itself
// when none of its controls does.
QWidget* focused_in(QWidget* window) {
    QWidget* focused = window->focusWidget();
    return focused ? focused : window;
}

}  // namespace

KeyboardFocus::KeyboardFocus(FocusFormLookup lookup) : lookup_(std::move(lookup)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

KeyboardFocus::~KeyboardFocus() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool KeyboardFocus::eventFilter(QObject* watched, QEvent* event) {
    if (!is_key_event(event) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const std::optional<FocusForm> form = lookup_(widget->window());
    if (!form) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);

    // A key that the focused control left passes on to its form; the rules
    // apply to the focused widget only.
    if (widget != focused_in(form->window)) return false;
    // Ctrl+C stops the program on the form itself; a control keeps it (an
    // edit field copies).
    if (is_interrupt(key) && widget == form->window) {   // the typed keys are discarded
        if (event->type() == QEvent::KeyPress && !key.isAutoRepeat() && stop_) stop_();
        return true;
    }
    if (is_tab(key)) return tab(*form, widget, key);
    if (is_press_key(key)) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) return press_button(button, key);
    }
    return false;
}

bool KeyboardFocus::tab(const FocusForm& form, QWidget* focused, const QKeyEvent& key) {
    if (key.type() == QEvent::KeyRelease) {
        const bool moved = tab_moved_;
        if (!key.isAutoRepeat()) tab_moved_ = false;
        return moved;
    }
    if (key.isAutoRepeat()) return tab_moved_;   // held Tab moves no further
    tab_moved_ = false;

    const bool with_ctrl = key.modifiers() & Qt::ControlModifier;
    if (with_ctrl && (focused == form.window || qobject_cast<QLineEdit*>(focused))) return false;

    int from = kFormItself;
    if (focused != form.window) {
        const auto at = std::find_if(form.controls.begin(), form.controls.end(),
                                     [&](const FocusControl& c) { return c.widget == focused; });
        if (at == form.controls.end()) return false;
        from = int(at - form.controls.begin());
    }
    const bool backward = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
    const std::optional<int> place = next_focus_place(
        form.controls, from, backward ? TabDirection::Backward : TabDirection::Forward);
    if (!place) return false;
    QWidget* target = *place == kFormItself ? form.window : form.controls[*place].widget;
    target->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    tab_moved_ = true;
    return true;
}

// The press shows the button pushed in, the release clicks it; held-key
// repeats do nothing.
bool KeyboardFocus::press_button(QAbstractButton* button, const QKeyEvent& key) {
    if (key.isAutoRepeat()) return true;
    if (key.type() == QEvent::KeyPress) {
        held_button_ = button;
        held_key_ = key.key();
        button->setDown(true);
        return true;
    }
    if (held_button_ == button && held_key_ == key.key()) {
        held_button_ = nullptr;
        button->setDown(false);
        button->click();
    }
    return true;
}

}  // namespace platform
