#pragma once
// The program's real window set, with a log of every text drawn on it and a
// watcher of everything drawn on it.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_set.h"

namespace harness {

struct WatchedText {
    std::string form;
    platform::DrawCall text;
};

// Told of each drawing on any form, with the form's name.
using FormDrawn = std::function<void(std::string_view form, const platform::DrawCall&)>;

class WatchedWindows : public platform::WindowSet {
public:
    WatchedWindows(platform::EventQueue& queue, platform::HandlerLookup has_handler,
                   std::string forms_folder)
        : inner_(platform::make_window_set(queue, std::move(has_handler),
                                           std::move(forms_folder))) {}

    platform::Form& build(std::string_view form_name) override {
        platform::Form& form = inner_->build(form_name);
        built_.emplace_back(form_name);
        form.surface().on_draw([this, name = std::string(form_name)](const platform::DrawCall& d) {
            if (d.kind == platform::DrawCall::Kind::Cell || d.kind == platform::DrawCall::Kind::Scaled)
                texts_.push_back({name, d});
            if (drawn_) drawn_(name, d);
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
    const std::vector<std::string>& built() const { return built_; }  // in building order
    void on_drawing(FormDrawn drawn) { drawn_ = std::move(drawn); }

private:
    std::unique_ptr<platform::WindowSet> inner_;
    std::vector<WatchedText> texts_;
    std::vector<std::string> built_;
    FormDrawn drawn_;
};

}  // namespace harness
