#include "platform/event_queue.h"

#include <gtest/gtest.h>

using platform::Event;

namespace {

Event click(int n) {
    const std::string button = "BMPBUTTON" + std::to_string(n);
    return {.form = "FORM8", .control = button, .kind = platform::EventKind::On,
            .position = {n, 2 * n}, .handler = button + "_ON"};
}

}  // namespace

TEST(EventQueue, RunsOldestFirstDropsThe65thAndTakesMoreOnceOneHasRun) {
    platform::EventQueue queue;
    EXPECT_FALSE(queue.pending());
    EXPECT_FALSE(queue.pop().has_value());
    for (int n = 1; n <= 64; ++n) {
        EXPECT_TRUE(queue.push(click(n)));
    }
    EXPECT_FALSE(queue.push(click(65)));
    EXPECT_EQ(queue.size(), 64u);

    EXPECT_EQ(queue.pop()->handler, "BMPBUTTON1_ON");
    EXPECT_TRUE(queue.push(click(99)));
    EXPECT_FALSE(queue.push(click(100)));
    for (int n = 2; n <= 64; ++n) {
        const std::optional<Event> event = queue.pop();
        ASSERT_TRUE(event.has_value());
        EXPECT_EQ(event->handler, click(n).handler);
        EXPECT_EQ(event->position, QPoint(n, 2 * n));
    }
    EXPECT_EQ(queue.pop()->handler, "BMPBUTTON99_ON");
    EXPECT_FALSE(queue.pending());
}
