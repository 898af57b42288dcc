// The navigation bar's picture buttons under the mouse.

#include "platform/bitmap_button.h"
#include "platform/run_error.h"
#include "tests/platform/window_set_fixture.h"

namespace platform::testing {
namespace {

using Names = std::vector<std::string>;

TEST_F(WindowSetTest, ABitmapButtonClicksOnlyWhenLetGoOverIt) {
    Form& bar = shown("FORM8", {0, 440});
    auto* next = static_cast<BitmapButton*>(bar.control_widget("BMPBUTTON3"));
    EXPECT_EQ(next->geometry(), QRect(184, 0, 85, 33));
    EXPECT_EQ(next->shown_frame(), 0);

    QTest::mousePress(next, Qt::LeftButton, {}, {40, 15});
    EXPECT_EQ(next->shown_frame(), 1);            // sunken
    EXPECT_EQ(focused(), next);
    QTest::mouseMove(next, {120, 15});            // slid off: raised again
    EXPECT_EQ(next->shown_frame(), 0);
    QTest::mouseMove(next, {20, 20});             // back on: sunken
    EXPECT_EQ(next->shown_frame(), 1);
    QTest::mouseRelease(next, Qt::LeftButton, {}, {-30, 15});
    EXPECT_EQ(next->shown_frame(), 0);
    EXPECT_EQ(queue.size(), 0u);

    QTest::mousePress(next, Qt::LeftButton, {}, {40, 15});
    QTest::mouseRelease(next, Qt::LeftButton, {}, {80, 30});
    EXPECT_EQ(next->shown_frame(), 0);
    QTest::mouseClick(next, Qt::RightButton, {}, {40, 15});
    // BMPBUTTON2 ("last") has no handler in this program.
    QTest::mouseClick(bar.control_widget("BMPBUTTON2"), Qt::LeftButton, {}, {40, 15});
    QTest::mouseClick(bar.control_widget("BMPBUTTON1"), Qt::LeftButton, {}, {40, 15});
    EXPECT_EQ(handlers_run(), (Names{"BMPBUTTON3_ON", "BMPBUTTON1_ON"}));
    EXPECT_EQ(bar.control_widget("BMPBUTTON1")->toolTip(), "前のページへ");
}

TEST(BitmapButtonPictures, AreFoundByNameInAnySpellingOrAreError1010) {
    const QImage before = load_button_strip("befor");
    EXPECT_EQ(before.size(), QSize(170, 33));
    EXPECT_EQ(load_button_strip("BEFOR"), before);
    for (const char* name : {"", "nosuch", "forms/FORM7"}) {
        try {
            load_button_strip(name);
            ADD_FAILURE() << name << " was found";
        } catch (const RunError& error) {
            EXPECT_EQ(error.number(), 1010) << name;
        }
    }
}

TEST(BitmapButtonFrames, ShowTheFrameOfTheStripThatIsPlayed) {
    // Left frame red, right frame blue.
    QImage strip(20, 10, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x) strip.setPixel(x, y, qRgb(0, 0, 255));
    BitmapButton button({strip, QSize(10, 10), 2, std::chrono::milliseconds(30)}, nullptr);
    int clicks = 0;
    button.on_click([&] { ++clicks; });

    // The whole frame, every pixel where the strip has it.
    const auto shows = [&](int frame) {
        return button.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
               strip.copy(frame * 10, 0, 10, 10);
    };
    EXPECT_TRUE(shows(0));
    QTest::mousePress(&button, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(shows(1));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(shows(0));
    EXPECT_EQ(clicks, 1);
}

// A strip of more than two frames plays towards the sunken one a step at a
// time, and back when let go.
TEST(BitmapButtonFrames, ALongerStripPlaysFrameByFrame) {
    QImage strip(30, 10, QImage::Format_RGB32);
    strip.fill(Qt::red);
    BitmapButton button({strip, QSize(10, 10), 3, std::chrono::milliseconds(5)}, nullptr);
    QTest::mousePress(&button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(button.shown_frame(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.shown_frame() == 2; }, 5000));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(button.shown_frame(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.shown_frame() == 0; }, 5000));
}

}  // namespace
}  // namespace platform::testing
