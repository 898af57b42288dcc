#pragma once
// The program's windows: top-level frameless forms built from their form
// descriptions, each showing a drawing surface with its controls on top.
// User actions on controls become queued events, but only where the form
// description names a handler that the program has.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_queue.h"
#include "platform/surface.h"

namespace platform {

class Form;

// A single-line edit field.  Setting its text from the program queues its
// CHANGE event like typing does, also when the text does not change.
class EditField {
public:
    virtual ~EditField() = default;
    virtual std::string text() const = 0;                 // UTF-8
    virtual void set_text(std::string_view utf8) = 0;
    virtual void focus() = 0;
    virtual void set_font_size(int size) = 0;
    virtual Form& form() = 0;
};

class Form {
public:
    virtual ~Form() = default;
    virtual const std::string& name() const = 0;           // "FORM3"
    virtual Surface& surface() = 0;                        // what the form shows
    virtual void move_to(QPoint screen) = 0;
    virtual QPoint position() const = 0;
    virtual void set_client_size(QSize size) = 0;          // drawing kept
    virtual QSize client_size() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void make_topmost() = 0;                       // also shows it
    virtual bool is_visible() const = 0;
    virtual bool is_topmost() const = 0;
    virtual void set_font(std::string_view face, int size) = 0;  // the form's own font
    virtual void focus() = 0;                              // the form itself
    virtual EditField& edit(std::string_view name) = 0;    // error 1013 when missing
    virtual bool has_focus() const = 0;                    // the form or one of its controls

    // The Qt widgets behind the form and its controls, for the test harness
    // (clicks and keys are sent to them as a pupil would).
    virtual QWidget* window_widget() = 0;
    virtual QWidget* control_widget(std::string_view name) = 0;  // error 1013
};

// Looks up whether the program has a handler of that name.
using HandlerLookup = std::function<bool(std::string_view handler)>;

class WindowSet {
public:
    virtual ~WindowSet() = default;
    // Builds the form from its description, hidden.  Errors 5, 1012, 1010, 1014.
    virtual Form& build(std::string_view form_name) = 0;
    virtual Form& form(std::string_view form_name) = 0;     // an already built form
    virtual bool has_form(std::string_view form_name) const = 0;

    // Reads the window messages that are waiting (clicks and keys reach the
    // controls and are queued as events; windows repaint); runs no handler.
    virtual void read_input() = 0;
    // Blocks, reading window messages, until an event is queued, the page
    // canvas window is gone or Ctrl+C is typed.
    virtual void wait_for_event() = 0;
    virtual bool canvas_closed() const = 0;
    // Called when Ctrl+C is typed while a form of the program itself has the
    // focus (not one of its controls).
    virtual void on_interrupt(std::function<void()> stop) = 0;

    // Every visible window composed at its screen position, topmost last.
    virtual QImage screenshot() const = 0;
};

// A window set whose forms are described in the resource folder given
// (see load_form).
std::unique_ptr<WindowSet> make_window_set(EventQueue& queue, HandlerLookup has_handler,
                                           std::string forms_folder);

}  // namespace platform
