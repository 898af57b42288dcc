#pragma once
// What a form description says about one form and its controls: every item
// of the program's stream for that form, strings as UTF-8.  The window set
// builds the real windows from it.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_kind.h"
#include "platform/rgb.h"

namespace platform {

enum class WindowKind : std::uint16_t {
    Form = 0,
    PushButton = 3,
    EditField = 7,
    Label = 8,
    BitmapButton = 15,
    MciControl = 17,
};

struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Geometry&) const = default;
};

struct Pair {
    int first = 0, second = 0;
    bool operator==(const Pair&) const = default;
};

// A font with its character set (1 for the Japanese faces, 128 for
// "FixedSys") and a further value that every lesson form gives as 12.
struct FontChoice {
    std::string name;
    int charset = 1;
    int extra = 12;
    bool operator==(const FontChoice&) const = default;
};

struct EventHandler {
    EventKind kind;
    std::string handler;  // may name a handler the program does not have
    bool operator==(const EventHandler&) const = default;
};

// An item the programs ignore, kept with its payload as written.
struct IgnoredItem {
    std::uint16_t tag = 0;
    std::array<int, 4> values{};
    bool operator==(const IgnoredItem&) const = default;
};

// The items a form and a control share.  An item absent from the stream
// leaves the value given here.
struct WindowDescription {
    WindowKind kind = WindowKind::Form;
    std::uint32_t style = 0;
    std::string name;                   // the name the program finds a control by
    std::string caption;
    Geometry place;                     // in the parent's coordinates
    std::string class_name, icon_name;  // a form's window class and icon
    int frame_setting = 1;              // 0 switches on one of the frame's global settings
    bool starts_disabled = false;
    bool starts_minimized = false;
    bool starts_maximized = false;
    std::string menu;
    std::string bitmap;                 // picture of a bitmap button
    std::optional<std::uint32_t> pointer;
    std::string pointer_resource;
    int text_colour = 7;                // indexes in the form's palette
    int drawing_colour = 15;
    int background_colour = 0;
    std::optional<int> text_mode;
    std::optional<Rgb> text_rgb;        // colours of a control
    std::optional<Rgb> background_rgb;
    std::optional<Pair> grid;           // columns, rows of the character grid
    std::optional<int> coordinate_mode;
    int redraw_mode = 0;                // 1: what is drawn stays
    std::optional<Pair> scroll_range;
    std::optional<Pair> scroll_steps;
    std::optional<Pair> timer;
    std::string tooltip;
    bool copy_menu = false;             // copy-to-clipboard entry in the system menu
    std::optional<int> font_size;
    bool bold = false, italic = false, underline = false, strike_out = false;
    std::string plain_font_name;        // a font name with the default character set
    std::optional<FontChoice> font;
    std::vector<EventHandler> events;
    std::vector<IgnoredItem> ignored;
};

// How a bitmap button animates its frames: a plain push button (switching 0)
// showing `frame_count` frames of the given size, `frame_pause_ms` apart.
struct BitmapButtonSettings {
    std::uint32_t switching = 0;
    int first_value = 1;
    int frame_count = 2;
    Pair frame_size{85, 33};
    int frame_pause_ms = 30;
    int flag = 1;
    bool operator==(const BitmapButtonSettings&) const = default;
};

struct ControlDescription : WindowDescription {
    BitmapButtonSettings button;  // read only for bitmap buttons
};

struct FormDescription : WindowDescription {
    std::vector<ControlDescription> controls;  // in description order

    // The control of that name: a name of 0 or more than 21 characters is
    // error 5, a name the form does not hold error 1013.
    const ControlDescription& control(std::string_view name) const;
};

// Reads a form description stream from offset 6 on; neither the magic nor
// the version is checked.  An item the reader does not know, a bitmap-button
// item on another kind of window, or a stream that ends before the form is
// closed is error 1014: the form cannot be created.
FormDescription read_form_stream(std::span<const std::uint8_t> bytes);

// The program's description of the form of that name, from its resource
// folder (":/<unit>/forms", holding "<name>").  A name of 0 or more than 21
// characters is error 5; no such resource error 1012; a resource that cannot
// be opened error 27.
FormDescription load_form(std::string_view folder, std::string_view name);

}  // namespace platform
