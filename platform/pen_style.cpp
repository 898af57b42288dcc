#include "platform/pen.h"

#include <QList>

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr int kLastStyleCode = 6;

// Lengths of drawn and left-out runs, in pixels.
QList<qreal> dash_pattern(PenStyle style) {
    switch (style) {
    case PenStyle::Dashed: return {6, 3};
    case PenStyle::Dotted: return {1, 2};
    case PenStyle::DashDot: return {6, 3, 1, 3};
    case PenStyle::DashDotDot: return {6, 3, 1, 3, 1, 3};
    case PenStyle::Solid: break;
    }
    return {};
}

}  // namespace

PenStyle pen_style_from_code(int code) {
    if (code < 0 || code > kLastStyleCode) throw RunError(ErrorNumber::BadDrawArgument);
    if (code > static_cast<int>(PenStyle::DashDotDot)) return PenStyle::Solid;
    return static_cast<PenStyle>(code);
}

QPen make_pen(QRgb colour, PenStyle style) {
    QPen pen{QColor::fromRgb(colour)};  // one pixel wide
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (style != PenStyle::Solid) pen.setDashPattern(dash_pattern(style));
    return pen;
}

}  // namespace platform
