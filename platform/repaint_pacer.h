#pragma once
// A window repainted from its surface at most once a frame of the screen.
// Drawing a page changes its canvas hundreds of times between two frames a
// pupil could see: a fast-forwarded paragraph reads window messages at each
// of its pauses without waiting, and repainting the window at every one of
// them cost more than the drawing itself.  The changed areas are gathered and
// repainted together one frame after the first of them; a pause, which lasts
// at least as long, always shows what was drawn before it.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <chrono>

namespace platform {

inline constexpr std::chrono::milliseconds kScreenFrame{10};

class RepaintPacer final : public QObject {
public:
    // Lives as long as the window, as its child.
    explicit RepaintPacer(QWidget* window);

    // The area of the window changed: it is repainted within one frame.
    void changed(QRect area);

private:
    void repaint();

    QPointer<QWidget> window_;
    QRect pending_;
};

}  // namespace platform
