#pragma once
// Time as the lesson programs see it: pauses between drawing steps, the
// wait while a narration plays to its end, and the time gone since start.
// The real clock sleeps; the test clock advances at once, so a page full of
// pauses runs in milliseconds and always the same way.

#include <chrono>
#include <functional>
#include <vector>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(std::chrono::milliseconds length) = 0;
    virtual std::chrono::milliseconds elapsed() const = 0;
};

// Sleeps in short slices.  Between slices the windows repaint, but what the
// pupil clicks or types meanwhile stays queued until the program reads it.
// Sleeps that follow each other closely keep one schedule (clock.cpp).
class RealClock final : public Clock {
public:
    RealClock();
    void sleep(std::chrono::milliseconds length) override;
    std::chrono::milliseconds elapsed() const override;

private:
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point due_;  // when the last sleep was to end
};

// When a sleep of `length` begun at `now` ends, the sleep before it having
// been due to end at `due`: on that one's schedule when it begins within a
// slice of it, else `length` from now.
std::chrono::steady_clock::time_point sleep_deadline(std::chrono::steady_clock::time_point now,
                                                    std::chrono::steady_clock::time_point due,
                                                    std::chrono::milliseconds length);

// Advances by each sleep at once and keeps the list of sleeps, so that a
// test can see that a pause happened and how long it was.
class TestClock final : public Clock {
public:
    void sleep(std::chrono::milliseconds length) override;
    std::chrono::milliseconds elapsed() const override { return elapsed_; }
    const std::vector<std::chrono::milliseconds>& sleeps() const { return sleeps_; }
    // A watcher told of each sleep as it happens; a new one replaces the old.
    void on_sleep(std::function<void(std::chrono::milliseconds)> slept) {
        slept_ = std::move(slept);
    }

private:
    std::chrono::milliseconds elapsed_{0};
    std::vector<std::chrono::milliseconds> sleeps_;
    std::function<void(std::chrono::milliseconds)> slept_;
};

}  // namespace platform
