#pragma once
// One form of the program as a real top-level window: frameless, at a fixed
// screen position, showing its drawing surface with the controls of its
// description on top.  What the pupil does on it becomes queued events where
// the description names a handler the program has.

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_queue.h"
#include "platform/form_description.h"
#include "platform/keyboard_focus.h"
#include "platform/surface.h"
#include "platform/window_set.h"

namespace platform {

class LineEditField;

// The top-level widget of a form: paints the surface, reports mouse presses,
// and closes only when its form allows it.
class FormWidget : public QWidget {
    Q_OBJECT

public:
    explicit FormWidget(const Surface& surface);

    std::function<void(Qt::MouseButton, QPoint)> pressed;
    std::function<bool()> may_close;     // asked when the system closes the window
    bool closed = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    const Surface& surface_;
};

class FormWindow;

// What the window set hears of a form.
struct FormHooks {
    std::function<void(FormWindow&)> shown;   // the form went from hidden to visible
};

class FormWindow final : public Form {
public:
    // Builds the hidden window and its controls; run-time error 1010 when a
    // bitmap button's picture is missing.
    FormWindow(std::string name, FormDescription description, EventQueue& queue,
               const HandlerLookup& has_handler, FormHooks hooks);
    ~FormWindow() override;

    const std::string& name() const override { return name_; }
    Surface& surface() override { return *surface_; }
    void move_to(QPoint screen) override;
    QPoint position() const override;
    void set_client_size(QSize size) override;
    QSize client_size() const override;
    void show() override;
    void hide() override;
    void make_topmost() override;
    bool is_visible() const override;
    bool is_topmost() const override { return topmost_; }
    void set_font(std::string_view face, int size) override;
    void focus() override;
    EditField& edit(std::string_view name) override;
    bool has_focus() const override;
    QWidget* window_widget() override { return widget_; }
    QWidget* control_widget(std::string_view name) override;

    // The system closed the window (or it is gone).
    bool is_closed() const { return !widget_ || widget_->closed; }
    // Closing by the system is allowed (the page canvas) or refused.
    void allow_close(bool allowed) { close_allowed_ = allowed; }
    // Raises the window above the others without changing anything else.
    void raise();
    FocusForm focus_form() const;

private:
    struct Control {
        const ControlDescription* description;
        QWidget* widget = nullptr;               // none for the MCI control
        std::unique_ptr<LineEditField> edit;     // edit fields only
    };

    void keep_handlers(const HandlerLookup& has_handler);
    void make_surface();
    void make_window();
    void build_controls();
    Control make_control(const ControlDescription& control);
    QWidget* make_push_button(const ControlDescription& control);
    QWidget* make_label(const ControlDescription& control);
    QWidget* make_bitmap_button(const ControlDescription& control);
    const Control& find(std::string_view name) const;
    void queue_event(const std::string& control, EventKind kind, QPoint position = {});

    // A handler of the program that an event of the form or a control runs.
    struct Handler {
        std::string control;                     // empty for the form itself
        EventKind kind;
        std::string name;
    };

    std::string name_;
    FormDescription description_;
    EventQueue& queue_;
    FormHooks hooks_;
    std::vector<Handler> handlers_;
    std::unique_ptr<Surface> surface_;
    QPointer<FormWidget> widget_;
    std::vector<Control> controls_;
    bool topmost_ = false;
    bool close_allowed_ = false;
};

}  // namespace platform
