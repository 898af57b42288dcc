#include "platform/window_set.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdint>

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
          keyboard_([this](const QWidget* window) { return focus_form(window); }) {}

    Form& build(std::string_view form_name) override;
    Form& form(std::string_view form_name) override;
    bool has_form(std::string_view form_name) const override { return find(form_name); }
    void read_input() override;
    void wait_for_event() override;
    bool canvas_closed() const override;
    void on_interrupt(std::function<void()> stop) override { keyboard_.on_interrupt(std::move(stop)); }
    QImage screenshot() const override;

private:
    struct Shown {
        std::unique_ptr<FormWindow> form;
        std::uint64_t shown_at = 0;        // when it last went from hidden to visible
    };

    Shown* find(std::string_view form_name) const;
    void shown(Shown& entry);
    std::optional<FocusForm> focus_form(const QWidget* window) const;
    std::vector<const Shown*> visible_in_stacking_order() const;

    EventQueue& queue_;
    HandlerLookup has_handler_;
    std::string forms_folder_;
    std::vector<std::unique_ptr<Shown>> forms_;   // in build order
    std::uint64_t shows_ = 0;
    KeyboardFocus keyboard_;
};

QtWindowSet::Shown* QtWindowSet::find(std::string_view form_name) const {
    for (const auto& entry : forms_)
        if (entry->form->name() == form_name) return entry.get();
    return nullptr;
}

// Builds the form hidden; a form already built is given back as it is.
Form& QtWindowSet::build(std::string_view form_name) {
    const int length = cell_width(form_name);
    if (length < 1 || length > kLongestFormName) throw RunError(ErrorNumber::BadArgument);
    if (Shown* built = find(form_name)) return *built->form;

    FormDescription description = load_form(forms_folder_, form_name);
    auto entry = std::make_unique<Shown>();
    Shown* place = entry.get();
    entry->form = std::make_unique<FormWindow>(std::string(form_name), std::move(description),
                                               queue_, has_handler_,
                                               FormHooks{[this, place] { shown(*place); }});
    entry->form->allow_close(form_name == kCanvasForm);
    forms_.push_back(std::move(entry));
    return *place->form;
}

Form& QtWindowSet::form(std::string_view form_name) {
    if (Shown* built = find(form_name)) return *built->form;
    throw RunError(ErrorNumber::WindowNotCreated);
}

// A newly shown form lies above the other ordinary forms, and the topmost
// forms stay above it.
void QtWindowSet::shown(Shown& entry) {
    entry.shown_at = ++shows_;
    if (entry.form->is_topmost()) return;
    for (const Shown* above : visible_in_stacking_order())
        if (above->form->is_topmost()) above->form->raise();
}

void QtWindowSet::read_input() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtWindowSet::wait_for_event() {
    while (!queue_.pending() && !canvas_closed())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

bool QtWindowSet::canvas_closed() const {
    const Shown* canvas = find(kCanvasForm);
    return canvas && canvas->form->is_closed();
}

std::optional<FocusForm> QtWindowSet::focus_form(const QWidget* window) const {
    for (const auto& entry : forms_)
        if (entry->form->window_widget() == window) return entry->form->focus_form();
    return std::nullopt;
}

// Ordinary forms first, topmost ones last; each group in the order shown.
std::vector<const QtWindowSet::Shown*> QtWindowSet::visible_in_stacking_order() const {
    std::vector<const Shown*> visible;
    for (const auto& entry : forms_)
        if (entry->form->is_visible()) visible.push_back(entry.get());
    std::stable_sort(visible.begin(), visible.end(), [](const Shown* a, const Shown* b) {
        if (a->form->is_topmost() != b->form->is_topmost()) return b->form->is_topmost();
        return a->shown_at < b->shown_at;
    });
    return visible;
}

QImage QtWindowSet::screenshot() const {
    const std::vector<const Shown*> visible = visible_in_stacking_order();
    QSize extent(0, 0);
    for (const Shown* entry : visible) {
        const QRect area(entry->form->position(), entry->form->client_size());
        extent = extent.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
    }
    if (extent.isEmpty()) return QImage();

    QImage screen(extent, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    for (const Shown* entry : visible) {
        FormWindow& form = *entry->form;
        const QPixmap window = form.window_widget()->grab();
        painter.drawPixmap(QRect(form.position(), form.client_size()), window);
    }
    return screen;
}

}  // namespace

std::unique_ptr<WindowSet> make_window_set(EventQueue& queue, HandlerLookup has_handler,
                                           std::string forms_folder) {
    return std::make_unique<QtWindowSet>(queue, std::move(has_handler), std::move(forms_folder));
}

}  // namespace platform
