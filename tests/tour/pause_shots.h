#pragma once
// Screens that stand only while the program pauses: the screen at the first
// pause after a text is drawn on the canvas (the praise, the password), taken
// while the program sleeps on the test clock.

#include <QImage>

#include <string_view>
#include <vector>

#include "tests/support/pupil.h"

namespace tour {

class PauseShots {
public:
    // Watches for texts starting with these from now on; the texts drawn
    // before are forgotten.
    PauseShots(harness::Pupil& pupil, std::vector<std::string_view> starts);
    ~PauseShots();
    PauseShots(const PauseShots&) = delete;
    PauseShots& operator=(const PauseShots&) = delete;

    // The screen for starts[i]; a null image when its text was never drawn
    // before a pause.
    const QImage& shot(std::size_t i) const { return shots_.at(i); }

private:
    void paused();

    harness::Pupil& pupil_;
    std::vector<std::string_view> starts_;
    std::vector<bool> drawn_;
    std::vector<QImage> shots_;
    std::size_t seen_ = 0;  // the texts already looked at
};

}  // namespace tour
