#include "platform/control_look.h"

#include <QPalette>

#include "platform/fonts.h"

namespace platform {
namespace {

constexpr int kDefaultPointSize = 10;
constexpr std::string_view kDefaultFace = "ＭＳ Ｐゴシック";

QColor to_colour(const std::optional<Rgb>& rgb, QColor otherwise) {
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : otherwise;
}

}  // namespace

QFont control_font(const WindowDescription& description) {
    const std::string_view face = description.font ? std::string_view(description.font->name)
                                  : !description.plain_font_name.empty()
                                      ? std::string_view(description.plain_font_name)
                                      : kDefaultFace;
    QFont font(description.kind == WindowKind::EditField ? field_font_family(face)
                                                         : font_family(face));
    font.setPixelSize(pixels_of_points(description.font_size.value_or(kDefaultPointSize)));
    font.setBold(description.bold);
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strike_out);
    return font;
}

void dress_control(QWidget& widget, const ControlDescription& description, QColor text,
                   QColor background) {
    const Geometry& place = description.place;
    widget.setGeometry(place.x, place.y, place.width, place.height);
    widget.setFont(control_font(description));

    QPalette colours = widget.palette();
    const QColor ink = to_colour(description.text_rgb, text);
    const QColor paper = to_colour(description.background_rgb, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, ink);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        colours.setColor(role, paper);
    widget.setPalette(colours);

    widget.setEnabled(!has_style(description.style, ControlStyle::Disabled) &&
                      !description.starts_disabled);
    widget.setVisible(has_style(description.style, ControlStyle::Visible));
}

}  // namespace platform
