// A window repainted from its surface: the changes of one screen frame are
// gathered and painted together once the frame has passed.
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

#include "platform/repaint_pacer.h"

namespace {

class PaintedWindow : public QWidget {
public:
    std::vector<QRegion> painted;

protected:
    void paintEvent(QPaintEvent* event) override { painted.push_back(event->region()); }
};

TEST(RepaintPacer, TheChangesOfAFrameArePaintedTogether) {
    PaintedWindow window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    window.painted.clear();

    auto* pacer = new platform::RepaintPacer(&window);  // the window's child
    pacer->changed({10, 10, 5, 5});
    pacer->changed({150, 60, 5, 5});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.painted.empty(); }));
    QTest::qWait(50);
    ASSERT_EQ(window.painted.size(), 1u);
    EXPECT_TRUE(window.painted[0].contains(QRect(10, 10, 5, 5)));
    EXPECT_TRUE(window.painted[0].contains(QRect(150, 60, 5, 5)));

    pacer->changed({80, 40, 5, 5});  // a later change is painted in a later frame
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.painted.size() == 2; }));
    EXPECT_TRUE(window.painted[1].contains(QRect(80, 40, 5, 5)));
}

}  // namespace
