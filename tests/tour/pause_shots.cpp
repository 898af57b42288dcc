#include "tests/tour/pause_shots.h"

namespace tour {

PauseShots::PauseShots(harness::Pupil& pupil, std::vector<std::string_view> starts)
    : pupil_(pupil), starts_(std::move(starts)), drawn_(starts_.size()), shots_(starts_.size()) {
    pupil_.forget_texts();
    pupil_.clock().on_sleep([this](std::chrono::milliseconds) { paused(); });
}

PauseShots::~PauseShots() { pupil_.clock().on_sleep({}); }

void PauseShots::paused() {
    const auto& texts = pupil_.texts();
    for (; seen_ < texts.size(); ++seen_) {
        if (texts[seen_].form != "MAINFORM") continue;
        for (std::size_t i = 0; i < starts_.size(); ++i)
            if (texts[seen_].text.text.starts_with(starts_[i])) drawn_[i] = true;
    }
    for (std::size_t i = 0; i < starts_.size(); ++i)
        if (drawn_[i] && shots_[i].isNull()) shots_[i] = pupil_.screenshot();
}

}  // namespace tour
