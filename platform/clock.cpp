#include "platform/clock.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace platform {

namespace {

// Short enough that a window uncovered during a pause repaints at once.
constexpr std::chrono::milliseconds kSlice{10};

// Lets windows repaint and timers run, and lets clicks and keys reach their
// controls, which queue them as events; the page looks at that queue only at
// its next pause or narration, so a pause is never shortened.  Input is not
// held back here: a window system that defers held-back input may deliver it
// only with its next event, which on a quiet desktop is after the page.
void keep_windows_painted() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

// A sleep that begins within a slice of the last one's end keeps to the last
// one's schedule: what that one ran over (its last repaint, the drawing
// since) comes off this one, so that a page of a hundred pauses keeps its
// own time.  After a longer gap (the program waited for the pupil) a sleep
// starts afresh.
std::chrono::steady_clock::time_point sleep_deadline(std::chrono::steady_clock::time_point now,
                                                    std::chrono::steady_clock::time_point due,
                                                    std::chrono::milliseconds length) {
    return (now - due < kSlice ? due : now) + length;
}

void RealClock::sleep(std::chrono::milliseconds length) {
    const auto deadline = sleep_deadline(std::chrono::steady_clock::now(), due_, length);
    due_ = deadline;
    for (;;) {
        keep_windows_painted();
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, kSlice));
    }
}

std::chrono::milliseconds RealClock::elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start_);
}

void TestClock::sleep(std::chrono::milliseconds length) {
    length = std::max(length, std::chrono::milliseconds::zero());
    elapsed_ += length;
    sleeps_.push_back(length);
    if (slept_) slept_(length);
}

}  // namespace platform
