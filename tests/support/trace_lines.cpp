#include "tests/support/trace_lines.h"

#include <charconv>
#include <cstdio>

namespace harness {
namespace {

using platform::DrawCall;
using Kind = platform::DrawCall::Kind;

std::string number(float value) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

std::string point(platform::PointF at) { return "(" + number(at.x) + "," + number(at.y) + ")"; }

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string rgb(platform::Rgb colour) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red & 0xff, colour.green & 0xff,
                  colour.blue & 0xff);
    return hex;
}

std::string mode_name(platform::DrawMode mode) {
    switch (mode) {
        case platform::DrawMode::Copy: return "copy";
        case platform::DrawMode::Merge: return "merge";
        case platform::DrawMode::Mask: return "mask";
        case platform::DrawMode::Xor: return "xor";
        case platform::DrawMode::Invert: return "invert";
    }
    return "mode" + std::to_string(static_cast<int>(mode));
}

std::string style_name(platform::PenStyle style) {
    switch (style) {
        case platform::PenStyle::Solid: return "solid";
        case platform::PenStyle::Dashed: return "dashed";
        case platform::PenStyle::Dotted: return "dotted";
        case platform::PenStyle::DashDot: return "dashdot";
        case platform::PenStyle::DashDotDot: return "dashdotdot";
    }
    return "style" + std::to_string(static_cast<int>(style));
}

std::string font(const platform::TextFont& font) { return font.face + std::to_string(font.size); }

std::string colours(const DrawCall& d) {
    return " c" + std::to_string(d.colour) + (d.fill ? " fill" + std::to_string(*d.fill) : "");
}

// The primitive and what it was given, without the settings it drew with.
std::string what(const DrawCall& d, const TraceNames& names) {
    switch (d.kind) {
        case Kind::Cell:
            return "cell (" + std::to_string(d.column) + "," + std::to_string(d.row) + ") c" +
                   std::to_string(d.colour) + " bg" + std::to_string(d.fill.value_or(0)) + " " +
                   quoted(d.text) + " " + font(d.font);
        case Kind::Scaled:
            return "text " + point(d.at) + " c" + std::to_string(d.colour) + " " + quoted(d.text) +
                   " x" + std::to_string(d.x_scale) + "y" + std::to_string(d.y_scale) + " " +
                   font(d.font);
        case Kind::Line: return "line " + point(d.at) + "-" + point(d.to) + colours(d);
        case Kind::Box: return "box " + point(d.at) + "-" + point(d.to) + colours(d);
        case Kind::FilledBox: return "fillbox " + point(d.at) + "-" + point(d.to) + colours(d);
        case Kind::Ellipse:
            return "arc " + point(d.at) + " r" + number(d.radius) + " a" + number(d.aspect) +
                   " t" + number(d.start) + "-" + number(d.end) + colours(d);
        case Kind::Polyline: {
            std::string line = "polyline";
            for (platform::PointF at : d.points) line += " " + point(at);
            return line + colours(d);
        }
        case Kind::Point: return "point " + point(d.at) + colours(d);
        case Kind::FloodFill:
            return "flood " + point(d.at) + " border " + rgb(d.border) + " fill " + rgb(d.inside);
        case Kind::Picture: return "picture " + quoted(names.picture(d.picture)) + " " + point(d.at);
        case Kind::Copy:
            return "copy " + point(d.at) + " " + std::to_string(d.size.width()) + "x" +
                   std::to_string(d.size.height()) + " from " + names.surface(d.source) + " " +
                   point(d.to);
        case Kind::Clear: return "clear c" + std::to_string(d.colour);
    }
    return "?";
}

}  // namespace

std::string drawing_line(std::string_view surface, const DrawCall& drawing,
                         const TraceNames& names) {
    std::string line = std::string(surface) + " " + what(drawing, names);
    if (drawing.mode) line += " " + mode_name(*drawing.mode);
    if (drawing.style) line += " " + style_name(*drawing.style);
    return line;
}

std::string window_line(std::string_view form, bool shown, QPoint at, QSize client) {
    return std::string(form) + " window " + (shown ? "shown " : "hidden ") + "(" +
           std::to_string(at.x()) + "," + std::to_string(at.y()) + ") " +
           std::to_string(client.width()) + "x" + std::to_string(client.height());
}

std::string sleep_line(std::chrono::milliseconds length) {
    return "sleep " + std::to_string(length.count()) + "ms";
}

std::string sound_line(std::string_view command) { return "sound " + quoted(command); }

}  // namespace harness
