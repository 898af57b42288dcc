#include "platform/clock.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

TEST(TestClock, AdvancesAtOnceAndListsEverySleep) {
    platform::TestClock clock;
    EXPECT_EQ(clock.elapsed(), 0ms);
    clock.sleep(150ms);
    clock.sleep(0ms);
    clock.sleep(2500ms);
    clock.sleep(-40ms);  // no going back in time
    EXPECT_EQ(clock.elapsed(), 2650ms);
    EXPECT_EQ(clock.sleeps(), (std::vector{150ms, 0ms, 2500ms, 0ms}));
}

TEST(RealClock, SleepsAtLeastAsLongAsAsked) {
    platform::RealClock clock;
    const auto before = clock.elapsed();
    clock.sleep(30ms);
    EXPECT_GE(clock.elapsed() - before, 30ms);
    clock.sleep(0ms);
    clock.sleep(-5ms);
}

TEST(RealClock, SleepsThatFollowCloselyKeepOneSchedule) {
    const std::chrono::steady_clock::time_point due{std::chrono::seconds(100)};
    struct Case {
        std::chrono::milliseconds begun_after_due, length, ends_after_due;
    } const cases[] = {
        {0ms, 150ms, 150ms},   // straight after: on schedule
        {4ms, 150ms, 150ms},   // the last one ran over, or the page drew: made up
        {9ms, 20ms, 20ms},
        {10ms, 20ms, 30ms},    // a gap (the pupil was waited for): afresh
        {2000ms, 20ms, 2020ms},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::sleep_deadline(due + c.begun_after_due, due, c.length) - due, c.ends_after_due)
            << c.begun_after_due.count() << " ms after";
}

TEST(RealClock, WindowsRepaintWhileItSleeps) {
    PaintCounter window;
    window.resize(40, 30);
    window.show();
    QCoreApplication::processEvents();
    window.paints = 0;
    window.update();

    platform::TestClock test_clock;
    test_clock.sleep(50ms);
    EXPECT_EQ(window.paints, 0);  // nothing ran the window system yet

    platform::RealClock clock;
    clock.sleep(50ms);
    EXPECT_GT(window.paints, 0);
}
