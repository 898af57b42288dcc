#pragma once
// The keyboard on the program's forms.  Tab and Shift+Tab walk the edit
// fields and push buttons of the focused form in description order, with the
// form itself as one more stop after the last of them; Enter or Space presses
// the focused push button; Ctrl+C on the form itself stops the program, while
// a control that holds the focus keeps it (an edit field copies).  Bitmap
// buttons take no keys, and Enter in an edit field does nothing.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QAbstractButton;
class QKeyEvent;

namespace platform {

enum class TabDirection { Forward, Backward };

// A place the focus can take on a form: a control by its place in the
// description order, or the form itself.
inline constexpr int kFormItself = -1;

// A control as the keyboard rules see it.
struct FocusControl {
    QWidget* widget = nullptr;         // null for a control without a widget
    bool tab_stop = false;
};

// Where Tab moves the focus from `from` (a control index or kFormItself);
// nothing when there is no other place to go.
std::optional<int> next_focus_place(std::span<const FocusControl> controls, int from,
                                    TabDirection direction);

// What the keyboard rules need to know of one form.
struct FocusForm {
    QWidget* window = nullptr;
    std::vector<FocusControl> controls;    // in description order
};

// Finds the form whose top-level window this is; nothing for other windows.
using FocusFormLookup = std::function<std::optional<FocusForm>(const QWidget* window)>;

// An application-wide event filter, active for the program's forms only.
class KeyboardFocus : public QObject {
public:
    explicit KeyboardFocus(FocusFormLookup lookup);
    ~KeyboardFocus() override;

    void on_interrupt(std::function<void()> stop) { stop_ = std::move(stop); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool tab(const FocusForm& form, QWidget* focused, const QKeyEvent& key);
    bool press_button(QAbstractButton* button, const QKeyEvent& key);

    FocusFormLookup lookup_;
    std::function<void()> stop_;
    bool tab_moved_ = false;                       // the held Tab moved the focus
    QPointer<QAbstractButton> held_button_;        // pressed by Enter or Space
    int held_key_ = 0;
};

}  // namespace platform
