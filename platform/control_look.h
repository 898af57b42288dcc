#pragma once
// How a control on a form looks and sits, from its description: place,
// font, colours, and the style bits that make it visible, disabled, a tab
// stop or centred.

#include <QColor>
#include <QFont>
#include <QWidget>

#include <cstdint>

#include "platform/form_description.h"

namespace platform {

// Bits of a control's style word.
enum class ControlStyle : std::uint32_t {
    TabStop = 0x400,
    Visible = 0x800,
    Disabled = 0x1000,
    CentredText = 0x10000,   // labels
};

constexpr bool has_style(std::uint32_t style, ControlStyle bit) {
    return (style & static_cast<std::uint32_t>(bit)) != 0;
}

// The description's font for a control; its size is in points on the forms'
// 96-dpi screen (pixels_of_points).  An edit field draws its face in the
// family field_font_family gives, every other control in font_family's.
QFont control_font(const WindowDescription& description);

// Places the widget, gives it its font and colours (the description's, or
// the given ones where it names none), and shows or disables it as its
// style says.
void dress_control(QWidget& widget, const ControlDescription& description, QColor text,
                   QColor background);

}  // namespace platform
