#pragma once
// The items of a form description stream: their tags, the shape of their
// payloads, and the words that name them in a readable form source.  The
// form compiler writes streams with this table and the stream reader reads
// them with it, so the two cannot disagree on an item.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/event_kind.h"

namespace platform::form_stream {

enum class Tag : std::uint16_t {
    Nothing = 0x00,
    OpenLevel = 0x01,
    CloseLevel = 0x02,
    Class = 0x09,
    KindAndStyle = 0x0a,
    Caption = 0x0b,
    Place = 0x0c,
    FrameSetting = 0x0d,
    StartsDisabled = 0x0e,
    StartsMinimized = 0x0f,
    StartsMaximized = 0x10,
    Name = 0x15,
    Menu = 0x16,
    Bitmap = 0x17,
    Pointer = 0x18,
    PointerResource = 0x19,
    TextColour = 0x1e,
    DrawingColour = 0x1f,
    BackgroundColour = 0x20,
    TextMode = 0x21,
    TextRgb = 0x22,
    BackgroundRgb = 0x23,
    Grid = 0x24,
    CoordinateMode = 0x25,
    Ignored26 = 0x26,
    Redraw = 0x27,
    ScrollRange = 0x32,
    ScrollSteps = 0x33,
    Timer = 0x34,
    ButtonSwitching = 0x35,
    ButtonFrames = 0x36,
    ButtonFrameSize = 0x37,
    ButtonFramePause = 0x38,
    ButtonFlag = 0x39,
    Tooltip = 0x3a,
    Ignored3c = 0x3c,
    CopyMenu = 0x3d,
    Ignored3e = 0x3e,
    FontSize = 0x46,
    Bold = 0x47,
    Italic = 0x48,
    Underline = 0x49,
    StrikeOut = 0x4a,
    FontName = 0x4b,
    Font = 0x4c,
    Events = 0x50,
};

// One value of a payload.  Rgb is three numbers (red, green, blue) in a
// source and one uint32 0x00BBGGRR in a stream; Kind is a control kind,
// a word or a number in a source and a uint16 in a stream.
enum class Field : std::uint8_t { Int16, UInt16, Int32, UInt32, Byte, Text, Rgb, Kind };

// How one item is written: its source keyword, then its fields, each
// preceded in the source by its label word when it has one
// (`class "FORM3" icon ""`, `font "FixedSys" charset 128 extra 12`).
struct ItemLayout {
    Tag tag;
    std::string_view keyword;
    int field_count = 0;
    std::array<Field, 4> fields{};
    std::array<std::string_view, 4> labels{};
    bool bitmap_button_only = false;
};

namespace detail {
using F = Field;
constexpr ItemLayout item(Tag tag, std::string_view keyword) { return {tag, keyword}; }
constexpr ItemLayout item(Tag tag, std::string_view keyword, std::initializer_list<Field> fields,
                          std::initializer_list<std::string_view> labels = {}, bool button = false) {
    ItemLayout layout{tag, keyword, static_cast<int>(fields.size())};
    int i = 0;
    for (Field f : fields) layout.fields[i++] = f;
    i = 0;
    for (std::string_view l : labels) layout.labels[i++] = l;
    layout.bitmap_button_only = button;
    return layout;
}
}  // namespace detail

// Every item a stream may hold.  The event list (`on EVENT HANDLER` lines)
// and the two level items (`controls` … `end`) are written by the compiler
// from the structure of the source; their payloads are not fields.
inline constexpr std::array kItems = {
    detail::item(Tag::Nothing, "nothing"),
    detail::item(Tag::OpenLevel, "controls"),
    detail::item(Tag::CloseLevel, "end"),
    detail::item(Tag::Class, "class", {Field::Text, Field::Text}, {"", "icon"}),
    detail::item(Tag::KindAndStyle, "control", {Field::Kind, Field::UInt32}, {"", "style"}),
    detail::item(Tag::Caption, "caption", {Field::Text}),
    detail::item(Tag::Place, "place", {Field::Int16, Field::Int16, Field::Int16, Field::Int16}),
    detail::item(Tag::FrameSetting, "frame-setting", {Field::Int16}),
    detail::item(Tag::StartsDisabled, "starts-disabled", {Field::Int16}),
    detail::item(Tag::StartsMinimized, "starts-minimized", {Field::Int16}),
    detail::item(Tag::StartsMaximized, "starts-maximized", {Field::Int16}),
    detail::item(Tag::Name, "name", {Field::Text}),
    detail::item(Tag::Menu, "menu", {Field::Text}),
    detail::item(Tag::Bitmap, "bitmap", {Field::Text}),
    detail::item(Tag::Pointer, "pointer", {Field::UInt32}),
    detail::item(Tag::PointerResource, "pointer-resource", {Field::Text}),
    detail::item(Tag::TextColour, "text-colour", {Field::Int16}),
    detail::item(Tag::DrawingColour, "drawing-colour", {Field::Int16}),
    detail::item(Tag::BackgroundColour, "background-colour", {Field::Int16}),
    detail::item(Tag::TextMode, "text-mode", {Field::Int16}),
    detail::item(Tag::TextRgb, "text-rgb", {Field::Rgb}),
    detail::item(Tag::BackgroundRgb, "background-rgb", {Field::Rgb}),
    detail::item(Tag::Grid, "grid", {Field::Int16, Field::Int16}),
    detail::item(Tag::CoordinateMode, "coordinate-mode", {Field::Int16}),
    detail::item(Tag::Ignored26, "ignored-26", {Field::Byte, Field::Byte, Field::Byte, Field::Byte}),
    detail::item(Tag::Redraw, "redraw", {Field::Int16}),
    detail::item(Tag::ScrollRange, "scroll-range", {Field::Int16, Field::Int16}),
    detail::item(Tag::ScrollSteps, "scroll-steps", {Field::Int16, Field::Int16}),
    detail::item(Tag::Timer, "timer", {Field::Int16, Field::Int32}),
    detail::item(Tag::ButtonSwitching, "button-switching", {Field::UInt32}, {}, true),
    detail::item(Tag::ButtonFrames, "button-frames", {Field::Int16, Field::Int16}, {}, true),
    detail::item(Tag::ButtonFrameSize, "button-frame-size", {Field::Int16, Field::Int16}, {}, true),
    detail::item(Tag::ButtonFramePause, "button-frame-pause", {Field::Int16}, {}, true),
    detail::item(Tag::ButtonFlag, "button-flag", {Field::Int16}, {}, true),
    detail::item(Tag::Tooltip, "tooltip", {Field::Text}),
    detail::item(Tag::Ignored3c, "ignored-3c", {Field::Byte, Field::Byte, Field::Byte, Field::Byte}),
    detail::item(Tag::CopyMenu, "copy-menu", {Field::Int16}),
    detail::item(Tag::Ignored3e, "ignored-3e", {Field::Int16, Field::Int16, Field::Int16, Field::Int16}),
    detail::item(Tag::FontSize, "font-size", {Field::Int16}),
    detail::item(Tag::Bold, "bold", {Field::Int16}),
    detail::item(Tag::Italic, "italic", {Field::Int16}),
    detail::item(Tag::Underline, "underline", {Field::Int16}),
    detail::item(Tag::StrikeOut, "strike-out", {Field::Int16}),
    detail::item(Tag::FontName, "font-name", {Field::Text}),
    detail::item(Tag::Font, "font", {Field::Text, Field::UInt16, Field::UInt16}, {"", "charset", "extra"}),
    detail::item(Tag::Events, "on"),
};

constexpr const ItemLayout* item_with_tag(std::uint16_t tag) {
    for (const ItemLayout& layout : kItems)
        if (static_cast<std::uint16_t>(layout.tag) == tag) return &layout;
    return nullptr;
}

constexpr const ItemLayout* item_with_keyword(std::string_view keyword) {
    for (const ItemLayout& layout : kItems)
        if (layout.keyword == keyword) return &layout;
    return nullptr;
}

// An event list ends at the first code below this one.
inline constexpr std::uint16_t kLowestEventCode = 0x64;

struct EventName {
    EventKind kind;
    std::string_view name;
};

inline constexpr std::array kEventNames = {
    EventName{EventKind::On, "ON"},
    EventName{EventKind::Change, "CHANGE"},
    EventName{EventKind::Start, "START"},
    EventName{EventKind::End, "END"},
    EventName{EventKind::SetFocus, "SETFOCUS"},
    EventName{EventKind::KillFocus, "KILLFOCUS"},
    EventName{EventKind::Resize, "RESIZE"},
    EventName{EventKind::Click, "CLICK"},
    EventName{EventKind::DoubleClick, "DBLCLICK"},
    EventName{EventKind::MouseDown, "MOUSEDOWN"},
    EventName{EventKind::MouseUp, "MOUSEUP"},
    EventName{EventKind::MouseMove, "MOUSEMOVE"},
    EventName{EventKind::Done, "DONE"},
    EventName{EventKind::QueryClose, "QUERYCLOSE"},
};

constexpr std::optional<EventKind> event_named(std::string_view name) {
    for (const EventName& e : kEventNames)
        if (e.name == name) return e.kind;
    return std::nullopt;
}

// The kinds of window a description creates, by their source words.
struct KindName {
    std::uint16_t kind;
    std::string_view name;
};

inline constexpr std::array kKindNames = {
    KindName{0, "form"},   KindName{3, "button"},         KindName{7, "edit"},
    KindName{8, "label"},  KindName{15, "bitmap-button"}, KindName{17, "mci"},
};

inline constexpr std::uint16_t kBitmapButtonKind = 15;

constexpr std::optional<std::uint16_t> kind_named(std::string_view name) {
    for (const KindName& k : kKindNames)
        if (k.name == name) return k.kind;
    return std::nullopt;
}

}  // namespace platform::form_stream
