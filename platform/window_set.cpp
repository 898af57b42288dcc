#include "platform/window_set.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <iterator>

#include "platform/form_description.h"
#include "platform/form_window.h"
#include "platform/keyboard_focus.h"
#include "platform/run_error.h"
#include "platform/text.h"

namespace platform {
namespace {

// The page canvas: the one window the system may close, which ends the
// program at its next wait.
constexpr std::string_view kCanvasForm = "MAINFORM";
constexpr int kLongestFormName = 21;

class QtWindowSet final : public WindowSet {
public:
    QtWindowSet(EventQueue& queue, HandlerLookup has_handler, std::string forms_folder)
        : queue_(queue), has_handler_(std::move(has_handler)),
          forms_folder_(std::move(forms_folder)),
          keyboard_([this](const QWidget* window) { return focus_form(window); }) {
        keyboard_.on_interrupt([this] {
            interrupted_ = true;
            if (stop_) stop_();
        });
    }

    Form& build(std::string_view form_name) override;
    Form& form(std::string_view form_name) override;
    bool has_form(std::string_view form_name) const override { return find(form_name); }
    void read_input() override;
    void wait_for_event() override;
    bool canvas_closed() const override;
    void on_interrupt(std::function<void()> stop) override { stop_ = std::move(stop); }
    QImage screenshot() const override;

private:
    FormWindow* find(std::string_view form_name) const;
    void shown(FormWindow& form);
    void raise(FormWindow& form);
    std::optional<FocusForm> focus_form(const QWidget* window) const;
    std::vector<FormWindow*> visible_in_stacking_order() const;

    EventQueue& queue_;
    HandlerLookup has_handler_;
    std::string forms_folder_;
    std::vector<std::unique_ptr<FormWindow>> forms_;   // in build order
    std::vector<FormWindow*> stack_;                   // bottom to top, as raised
    KeyboardFocus keyboard_;
    std::function<void()> stop_;
    bool interrupted_ = false;                         // Ctrl+C was typed
};

FormWindow* QtWindowSet::find(std::string_view form_name) const {
    for (const auto& form : forms_)
        if (form->name() == form_name) return form.get();
    return nullptr;
}

// Builds the form hidden; a form already built is given back as it is.
Form& QtWindowSet::build(std::string_view form_name) {
    const int length = cell_width(form_name);
    if (length < 1 || length > kLongestFormName) throw RunError(ErrorNumber::BadArgument);
    if (FormWindow* built = find(form_name)) return *built;

    FormDescription description = load_form(forms_folder_, form_name);
    auto form = std::make_unique<FormWindow>(std::string(form_name), std::move(description),
                                             queue_, has_handler_,
                                             FormHooks{[this](FormWindow& f) { shown(f); }});
    form->allow_close(form_name == kCanvasForm);
    forms_.push_back(std::move(form));
    return *forms_.back();
}

Form& QtWindowSet::form(std::string_view form_name) {
    if (FormWindow* built = find(form_name)) return *built;
    throw RunError(ErrorNumber::WindowNotCreated);
}

// A newly shown form is raised above the others, and the visible topmost
// forms are raised again above an ordinary one.  Mapping a window does not
// raise it, and with no window manager nothing else stacks the windows.
void QtWindowSet::shown(FormWindow& form) {
    raise(form);
    if (form.is_topmost()) return;
    for (FormWindow* above : visible_in_stacking_order())
        if (above->is_topmost()) raise(*above);
}

// The stack kept here is the order of these raises, which is what a bare X
// server shows.
void QtWindowSet::raise(FormWindow& form) {
    std::erase(stack_, &form);
    stack_.push_back(&form);
    form.raise();
}

void QtWindowSet::read_input() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// The key message of a Ctrl+C wakes the wait like any other message, and
// the wait ends with it: the program stops at once, not at the pupil's next
// action.
void QtWindowSet::wait_for_event() {
    while (!queue_.pending() && !canvas_closed() && !interrupted_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

bool QtWindowSet::canvas_closed() const {
    const FormWindow* canvas = find(kCanvasForm);
    return canvas && canvas->is_closed();
}

std::optional<FocusForm> QtWindowSet::focus_form(const QWidget* window) const {
    for (const auto& form : forms_)
        if (form->window_widget() == window) return form->focus_form();
    return std::nullopt;
}

std::vector<FormWindow*> QtWindowSet::visible_in_stacking_order() const {
    std::vector<FormWindow*> visible;
    std::copy_if(stack_.begin(), stack_.end(), std::back_inserter(visible),
                 [](const FormWindow* form) { return form->is_visible(); });
    return visible;
}

QImage QtWindowSet::screenshot() const {
    const std::vector<FormWindow*> visible = visible_in_stacking_order();
    QSize extent(0, 0);
    for (const FormWindow* form : visible) {
        const QRect area(form->position(), form->client_size());
        extent = extent.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
    }
    if (extent.isEmpty()) return QImage();

    QImage screen(extent, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    for (FormWindow* form : visible) {
        const QPixmap window = form->window_widget()->grab();
        painter.drawPixmap(QRect(form->position(), form->client_size()), window);
    }
    return screen;
}

}  // namespace

std::unique_ptr<WindowSet> make_window_set(EventQueue& queue, HandlerLookup has_handler,
                                           std::string forms_folder) {
    return std::make_unique<QtWindowSet>(queue, std::move(has_handler), std::move(forms_folder));
}

}  // namespace platform
