#include "platform/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "platform/bitmap_button.h"
#include "platform/control_look.h"
#include "platform/edit_field.h"
#include "platform/repaint_pacer.h"
#include "platform/run_error.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr int kLongestName = 21;
const QColor kButtonGrey(0xc0, 0xc0, 0xc0);

// A control name of 1 to 21 characters, else run-time error 5.
void check_control_name(std::string_view name) {
    const int length = cell_width(name);
    if (length < 1 || length > kLongestName) throw RunError(ErrorNumber::BadArgument);
}

bool is_tab_stop_kind(WindowKind kind) {
    return kind == WindowKind::EditField || kind == WindowKind::PushButton;
}

}  // namespace

// ----- the top-level widget -------------------------------------------------

FormWidget::FormWidget(const Surface& surface)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), surface_(surface) {
    // Its focus policy stays a widget's default, no focus: only a left press
    // or the program focuses it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keyboard focus stays in the window the pupil types in; the tool
    // tips of the other windows' controls show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

void FormWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.image(), event->rect());
}

// Left or right button; the left one also gives the form the focus.
void FormWidget::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (button == Qt::LeftButton) {
        activateWindow();
        setFocus(Qt::MouseFocusReason);
    }
    if (pressed) pressed(button, event->position().toPoint());
}

void FormWidget::closeEvent(QCloseEvent* event) {
    if (may_close && may_close()) {
        closed = true;
        event->accept();
    } else {
        event->ignore();
    }
}

// Tab and Shift+Tab follow the form's own rules (KeyboardFocus), never Qt's
// focus chain.
bool FormWidget::focusNextPrevChild(bool) { return false; }

// ----- the form ---------------------------------------------------------------

FormWindow::FormWindow(std::string name, FormDescription description, EventQueue& queue,
                       const HandlerLookup& has_handler, FormHooks hooks)
    : name_(std::move(name)), description_(std::move(description)), queue_(queue),
      hooks_(std::move(hooks)) {
    keep_handlers(has_handler);
    make_surface();
    make_window();
    try {
        build_controls();
    } catch (...) {
        delete widget_;
        throw;
    }
}

// Only the events whose handler the program has are ever queued.
void FormWindow::keep_handlers(const HandlerLookup& has_handler) {
    auto keep = [&](const WindowDescription& window, const std::string& control) {
        for (const EventHandler& event : window.events)
            if (has_handler && has_handler(event.handler))
                handlers_.push_back({control, event.kind, event.handler});
    };
    keep(description_, std::string());
    for (const ControlDescription& control : description_.controls) keep(control, control.name);
}

// The description's size, colours and font, filled with its background.
void FormWindow::make_surface() {
    const Geometry& place = description_.place;
    surface_ = std::make_unique<Surface>(SurfaceKind::Window, place.width, place.height);
    surface_->set_colours(description_.text_colour, description_.background_colour,
                          description_.drawing_colour);
    if (description_.font)
        surface_->set_font(description_.font->name,
                           description_.font_size.value_or(surface_->state().font.size));
    surface_->clear();
}

void FormWindow::make_window() {
    const Geometry& place = description_.place;
    widget_ = new FormWidget(*surface_);
    widget_->setObjectName(QString::fromStdString(name_));
    widget_->setGeometry(place.x, place.y, place.width, place.height);
    widget_->pressed = [this](Qt::MouseButton, QPoint at) {
        queue_event(std::string(), EventKind::MouseDown, at);
    };
    widget_->may_close = [this] { return close_allowed_; };
    surface_->on_change([pacer = QPointer(new RepaintPacer(widget_))](QRect area) {
        if (pacer) pacer->changed(area);
    });
}

FormWindow::~FormWindow() {
    if (surface_) surface_->on_change({});
    delete widget_;
}

void FormWindow::build_controls() {
    controls_.reserve(description_.controls.size());
    for (const ControlDescription& control : description_.controls)
        controls_.push_back(make_control(control));
}

FormWindow::Control FormWindow::make_control(const ControlDescription& control) {
    Control made{&control, nullptr, nullptr};
    switch (control.kind) {
    case WindowKind::PushButton: made.widget = make_push_button(control); break;
    case WindowKind::Label: made.widget = make_label(control); break;
    case WindowKind::BitmapButton: made.widget = make_bitmap_button(control); break;
    case WindowKind::EditField:
        made.edit = std::make_unique<LineEditField>(
            *this, control, widget_,
            [this, name = control.name] { queue_event(name, EventKind::Change); });
        made.widget = made.edit->widget();
        break;
    case WindowKind::MciControl:
    case WindowKind::Form:
        break;   // no widget: the sound device stands for the MCI control
    }
    return made;
}

QWidget* FormWindow::make_push_button(const ControlDescription& control) {
    auto* button = new QPushButton(QString::fromStdString(control.caption), widget_);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    dress_control(*button, control, Qt::black, kButtonGrey);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this, name = control.name] { queue_event(name, EventKind::On); });
    return button;
}

QWidget* FormWindow::make_label(const ControlDescription& control) {
    auto* label = new QLabel(QString::fromStdString(control.caption), widget_);
    label->setAutoFillBackground(true);
    label->setAlignment(has_style(control.style, ControlStyle::CentredText)
                            ? Qt::AlignCenter
                            : Qt::AlignLeft | Qt::AlignTop);
    dress_control(*label, control, Qt::black, kButtonGrey);
    return label;
}

QWidget* FormWindow::make_bitmap_button(const ControlDescription& control) {
    const BitmapButtonSettings& settings = control.button;
    ButtonFrames frames{load_button_strip(control.bitmap),
                        QSize(settings.frame_size.first, settings.frame_size.second),
                        settings.frame_count, std::chrono::milliseconds(settings.frame_pause_ms)};
    auto* button = new BitmapButton(std::move(frames), widget_);
    dress_control(*button, control, Qt::black, kButtonGrey);
    button->resize(button->frame_size());   // drawn at the bitmap's own size
    button->setToolTip(QString::fromStdString(control.tooltip));
    button->on_click([this, name = control.name] { queue_event(name, EventKind::On); });
    return button;
}

void FormWindow::queue_event(const std::string& control, EventKind kind, QPoint position) {
    for (const Handler& handler : handlers_)
        if (handler.control == control && handler.kind == kind) {
            queue_.push(Event{name_, control, kind, position, handler.name});
            return;
        }
}

const FormWindow::Control& FormWindow::find(std::string_view name) const {
    check_control_name(name);
    const auto at = std::find_if(controls_.begin(), controls_.end(), [&](const Control& c) {
        return c.description->name == name;
    });
    if (at == controls_.end()) throw RunError(ErrorNumber::NoSuchControl);
    return *at;
}

void FormWindow::move_to(QPoint screen) { widget_->move(screen); }

QPoint FormWindow::position() const { return widget_->pos(); }

void FormWindow::set_client_size(QSize size) {
    surface_->set_client_size(size.width(), size.height());
    widget_->resize(size);
}

QSize FormWindow::client_size() const { return widget_->size(); }

// Showing a form that is already visible leaves it where it is in the stack.
void FormWindow::show() {
    if (widget_->isVisible()) return;
    widget_->show();
    if (hooks_.shown) hooks_.shown(*this);
}

void FormWindow::hide() { widget_->hide(); }

// Changing the window's flags re-creates it hidden, where it was.
void FormWindow::make_topmost() {
    if (!topmost_) {
        widget_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        topmost_ = true;
    }
    show();
}

bool FormWindow::is_visible() const { return widget_->isVisible(); }

void FormWindow::set_font(std::string_view face, int size) { surface_->set_font(face, size); }

void FormWindow::focus() {
    if (widget_->isVisible()) widget_->activateWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

EditField& FormWindow::edit(std::string_view name) {
    const Control& control = find(name);
    if (!control.edit) throw RunError(ErrorNumber::NoSuchControl);
    return *control.edit;
}

// The form itself or one of its controls holds the keyboard focus.
bool FormWindow::has_focus() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == widget_;
}

QWidget* FormWindow::control_widget(std::string_view name) { return find(name).widget; }

void FormWindow::raise() {
    if (widget_->isVisible()) widget_->raise();
}

// Edit fields and push buttons with the tab-stop style, while they can take
// the focus.
FocusForm FormWindow::focus_form() const {
    FocusForm form{widget_, {}};
    form.controls.reserve(controls_.size());
    for (const Control& control : controls_) {
        const bool can_focus = control.widget && control.widget->isVisibleTo(widget_) &&
                               control.widget->isEnabled();
        form.controls.push_back(
            {control.widget, can_focus && is_tab_stop_kind(control.description->kind) &&
                                 has_style(control.description->style, ControlStyle::TabStop)});
    }
    return form;
}

}  // namespace platform
