#pragma once
// The program's real window set, with a log of every text drawn on it.

#include <memory>
#include <string>
#include <vector>

#include "platform/window_set.h"

namespace harness {

struct WatchedText {
    std::string form;
    platform::DrawnText text;
};

class WatchedWindows : public platform::WindowSet {
public:
    WatchedWindows(platform::EventQueue& queue, platform::HandlerLookup has_handler,
                   std::string forms_folder)
        : inner_(platform::make_window_set(queue, std::move(has_handler),
                                           std::move(forms_folder))) {}

    platform::Form& build(std::string_view form_name) override {
        platform::Form& form = inner_->build(form_name);
        form.surface().on_text([this, name = std::string(form_name)](const platform::DrawnText& t) {
            texts_.push_back({name, t});
        });
        return form;
    }
    platform::Form& form(std::string_view name) override { return inner_->form(name); }
    bool has_form(std::string_view name) const override { return inner_->has_form(name); }
    void read_input() override { inner_->read_input(); }
    void wait_for_event() override { inner_->read_input(); }
    bool canvas_closed() const override { return inner_->canvas_closed(); }
    void on_interrupt(std::function<void()> stop) override { inner_->on_interrupt(std::move(stop)); }
    QImage screenshot() const override { return inner_->screenshot(); }

    const std::vector<WatchedText>& texts() const { return texts_; }
    void forget_texts() { texts_.clear(); }

private:
    std::unique_ptr<platform::WindowSet> inner_;
    std::vector<WatchedText> texts_;
};

}  // namespace harness
