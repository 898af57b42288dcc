// Pictures and block copies.
#include "platform/picture.h"
#include "platform/raster_op.h"
#include "platform/run_error.h"
#include "platform/surface.h"

namespace platform {

void Surface::draw_picture(const Picture& picture, PointF at) {
    if (watched())
        tell({.kind = DrawCall::Kind::Picture, .at = at, .mode = state_.mode, .picture = &picture});
    changed(blend_image(image_, to_pixel(at), picture.image(), state_.mode, state_.palette));
}

void Surface::block_copy(PointF to, int width, int height, const Surface& source, PointF from) {
    if (width < 0 || height < 0) throw RunError(ErrorNumber::BadArgument);
    if (watched())
        tell({.kind = DrawCall::Kind::Copy, .at = to, .to = from, .size = {width, height},
              .mode = state_.mode, .source = &source});
    const QPoint origin = source.place(from);
    const QRect taken = QRect(origin, QSize(width, height)).intersected(source.image_.rect());
    if (taken.isEmpty()) return;
    // A copy of the pixels first, so that a surface can copy onto itself.
    const QImage block = source.image_.copy(taken);
    const QPoint target = place(to) + (taken.topLeft() - origin);
    changed(blend_image(image_, target, block, state_.mode, state_.palette));
}

}  // namespace platform
