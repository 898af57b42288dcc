// Taking a stamp: the pixels a figure covers, as runs from its reach's
// top-left pixel, or none where a stamp could not stand for the figure.
#include "platform/stamp.h"

#include "platform/fonts.h"
#include "platform/stamp_cache.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <string>

namespace {

using platform::Painting;

// The runs as "y:left-right" items, in order.
std::string runs_of(const std::optional<platform::Stamp>& stamp) {
    if (!stamp) return "none";
    std::string text;
    for (const platform::StampRun& run : stamp->runs)
        text += std::to_string(run.y) + ":" + std::to_string(run.left) + "-" + std::to_string(run.right) + " ";
    return text;
}

// A box of `size` at `offset` from the reach's top-left pixel, in `colour`.
platform::PlacedFigure box(QPoint offset, QSize size, QColor colour = Qt::black) {
    return [=](QPainter& painter, QPoint origin) { painter.fillRect(QRect(origin + offset, size), colour); };
}

TEST(Stamp, KeepsTheCoveredPixelsOrNone) {
    struct Case {
        const char* what;
        QSize reach;
        Painting painting;
        platform::PlacedFigure figure;
        std::string runs;
    };
    const Case cases[] = {
        {"a box inside", {5, 3}, Painting::Clipped, box({1, 1}, {3, 2}), "1:1-4 2:1-4 "},
        {"two runs in a row", {6, 1}, Painting::Layered,
         [](QPainter& p, QPoint o) {
             p.fillRect(QRect(o, QSize(2, 1)), Qt::red);
             p.fillRect(QRect(o + QPoint(4, 0), QSize(2, 1)), Qt::red);
         },
         "0:0-2 0:4-6 "},
        {"cut at the reach", {4, 2}, Painting::Clipped, box({-2, 1}, {9, 3}), "1:0-4 "},
        {"cut at its layer", {4, 2}, Painting::Layered, box({-2, 1}, {9, 3}), "1:0-4 "},
        {"half covered", {4, 2}, Painting::Clipped, box({0, 0}, {2, 2}, QColor(0, 0, 0, 128)), "none"},
        {"anti-aliased", {12, 12}, Painting::Layered,
         [](QPainter& p, QPoint o) {
             p.setRenderHint(QPainter::Antialiasing, true);
             p.setPen(QPen(Qt::black, 1.5));
             p.drawEllipse(QRectF(o, QSizeF(10.5, 10.5)));
         },
         "none"},
        {"no reach", {0, 3}, Painting::Clipped, box({0, 0}, {1, 1}), "none"},
        {"the largest reach", {256, 256}, Painting::Layered, box({255, 255}, {1, 1}), "255:255-256 "},
        {"too large a reach", {257, 256}, Painting::Layered, box({0, 0}, {1, 1}), "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runs_of(platform::take_stamp(c.reach, c.painting, c.figure)), c.runs) << c.what;

    // A painter anti-aliases no figure unless asked, nor text in the program's fonts.
    const auto ellipse = [](QPainter& p, QPoint o) { p.drawEllipse(QRectF(o, QSizeF(10.5, 10.5))); };
    EXPECT_NE(runs_of(platform::take_stamp({12, 12}, Painting::Layered, ellipse)), "none");
    const auto character = [](QPainter& p, QPoint o) {
        p.setFont(platform::make_font("標準明朝", 16));
        p.drawText(o + QPoint(0, 14), "落");
    };
    EXPECT_NE(runs_of(platform::take_stamp({16, 16}, Painting::Clipped, character)), "none");
}

// A cache takes each stamp once, keeps a figure that has none as none, and
// starts afresh once it holds more than its most.
TEST(Stamp, ACacheTakesEachStampOnceUntilItIsFull) {
    platform::StampCache<int, std::hash<int>> cache;
    int takes = 0;
    const auto find = [&](int key) {
        return cache.find(key, [&]() -> std::optional<platform::Stamp> {
            ++takes;
            if (key < 0) return std::nullopt;
            return platform::Stamp{{{key, 0, 1}}};
        });
    };
    EXPECT_EQ(find(7)->runs.front().y, 7);
    EXPECT_EQ(find(-1), nullptr);
    EXPECT_EQ(find(7)->runs.front().y, 7);
    EXPECT_EQ(find(-1), nullptr);
    EXPECT_EQ(takes, 2);

    for (int key = 0; key < int(platform::kMostStamps) - 1; ++key) find(key);  // 7 and -1 among them
    cache.make_room();  // just full: kept
    find(7);
    EXPECT_EQ(takes, 2 + int(platform::kMostStamps) - 2);
    find(int(platform::kMostStamps));  // one more than the most
    cache.make_room();
    find(7);
    EXPECT_EQ(takes, 2 + int(platform::kMostStamps) - 2 + 2);
}

}  // namespace
