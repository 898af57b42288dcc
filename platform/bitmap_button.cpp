#include "platform/bitmap_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QString>

#include <algorithm>

#include "platform/run_error.h"

namespace platform {

QImage load_button_strip(std::string_view bitmap_name) {
    const QString name = QString::fromUtf8(bitmap_name.data(), qsizetype(bitmap_name.size()));
    if (!name.isEmpty()) {
        for (const QString& spelling : {name, name.toUpper()}) {
            QImage strip(QStringLiteral(":/bitmaps/") + spelling);
            if (!strip.isNull()) return strip;
        }
    }
    throw RunError(ErrorNumber::MissingButtonBitmap);
}

BitmapButton::BitmapButton(ButtonFrames frames, QWidget* parent)
    : QWidget(parent), frames_(std::move(frames)) {
    frames_.count = std::max(frames_.count, 1);
    if (frames_.frame_size.isEmpty())
        frames_.frame_size = QSize(frames_.strip.width() / frames_.count, frames_.strip.height());
    setFocusPolicy(Qt::ClickFocus);      // a click focuses it; Tab never does
    resize(frames_.frame_size);
    timer_.setInterval(std::max(frames_.step, std::chrono::milliseconds(1)));
    connect(&timer_, &QTimer::timeout, this, &BitmapButton::step_once);
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame(QPoint(shown_ * frames_.frame_size.width(), 0), frames_.frame_size);
    painter.drawImage(QPoint(0, 0), frames_.strip, frame);
}

void BitmapButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    held_ = true;
    setFocus(Qt::MouseFocusReason);
    play_towards(sunken_frame());
}

void BitmapButton::mouseMoveEvent(QMouseEvent* event) {
    if (!held_) return;
    play_towards(rect().contains(event->position().toPoint()) ? sunken_frame() : 0);
}

void BitmapButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !held_) return;
    held_ = false;
    play_towards(0);
    if (rect().contains(event->position().toPoint()) && clicked_) clicked_();
}

// The first frame of a run shows at once, each further one a step later.
void BitmapButton::play_towards(int frame) {
    target_ = frame;
    if (timer_.isActive()) return;
    step_once();
    if (shown_ != target_) timer_.start();
}

void BitmapButton::step_once() {
    if (shown_ < target_) ++shown_;
    else if (shown_ > target_) --shown_;
    if (shown_ == target_) timer_.stop();
    update();
}

}  // namespace platform
