#include "platform/repaint_pacer.h"

#include <QTimer>

namespace platform {

RepaintPacer::RepaintPacer(QWidget* window) : QObject(window), window_(window) {}

// The first change after a repaint asks for the next one.
void RepaintPacer::changed(QRect area) {
    if (pending_.isEmpty()) QTimer::singleShot(kScreenFrame, this, [this] { repaint(); });
    pending_ |= area;
}

void RepaintPacer::repaint() {
    if (window_ && !pending_.isEmpty()) window_->update(pending_);
    pending_ = QRect();
}

}  // namespace platform
