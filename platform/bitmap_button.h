#pragma once
// A picture button of the navigation bar.  Its bitmap is a strip of equal
// frames side by side: the first shows the button raised (at rest), the last
// shows it sunken (held down).  Pressing it plays the frames forward, letting
// go or sliding off it plays them back; only a release over it clicks it.
// It takes no keyboard input and Tab never reaches it.

#include <QImage>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <string_view>

namespace platform {

struct ButtonFrames {
    QImage strip;                          // every frame, left to right
    QSize frame_size;                      // 85 x 33 on the navigation bar
    int count = 2;
    std::chrono::milliseconds step{30};    // how long each frame shows
};

// The strip of a bitmap button from the program's resources (":/bitmaps/"
// followed by the name, as written or in capitals); run-time error 1010 when
// it is missing or is no picture.
QImage load_button_strip(std::string_view bitmap_name);

class BitmapButton : public QWidget {
    Q_OBJECT

public:
    BitmapButton(ButtonFrames frames, QWidget* parent);

    // Called when the left mouse button is let go over the button.
    void on_click(std::function<void()> clicked) { clicked_ = std::move(clicked); }

    QSize frame_size() const { return frames_.frame_size; }
    int shown_frame() const { return shown_; }
    bool is_held() const { return held_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int sunken_frame() const { return frames_.count - 1; }
    void play_towards(int frame);
    void step_once();

    ButtonFrames frames_;
    QTimer timer_;
    int shown_ = 0;
    int target_ = 0;
    bool held_ = false;
    std::function<void()> clicked_;
};

}  // namespace platform
