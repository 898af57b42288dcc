#include "platform/repaint_pacer.h"

namespace platform {

RepaintPacer::RepaintPacer(QWidget* window) : QObject(window), window_(window) {
    timer_.setSingleShot(true);
    timer_.setInterval(kScreenFrame);
    connect(&timer_, &QTimer::timeout, this, [this] { repaint(); });
}

void RepaintPacer::changed(QRect area) {
    pending_ |= area;
    if (!timer_.isActive()) timer_.start();
}

void RepaintPacer::repaint() {
    if (window_ && !pending_.isEmpty()) window_->update(pending_);
    pending_ = QRect();
}

}  // namespace platform
