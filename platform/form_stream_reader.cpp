// Reading a form description stream item by item into a FormDescription.
#include <algorithm>
#include <cstring>

#include "platform/form_description.h"
#include "platform/form_stream_items.h"
#include "platform/run_error.h"
#include "platform/text.h"

namespace platform {
namespace {

using form_stream::Field;
using form_stream::ItemLayout;
using form_stream::Tag;

constexpr std::size_t kFirstItemOffset = 6;

[[noreturn]] void cannot_create() { throw RunError(ErrorNumber::WindowNotCreated); }

// Little-endian values from the stream; running past its end is error 1014.
class StreamCursor {
public:
    explicit StreamCursor(std::span<const std::uint8_t> bytes, std::size_t at)
        : bytes_(bytes), at_(at) {}

    std::uint32_t unsigned_value(std::size_t size) {
        if (bytes_.size() < at_ || bytes_.size() - at_ < size) cannot_create();
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes_[at_ + i]} << (8 * i);
        at_ += size;
        return value;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(unsigned_value(2)); }
    int i16() { return static_cast<std::int16_t>(unsigned_value(2)); }

    std::string text() {
        const auto rest = bytes_.subspan(std::min(at_, bytes_.size()));
        const void* end = std::memchr(rest.data(), 0, rest.size());
        if (end == nullptr) cannot_create();
        const auto length = static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - rest.data());
        std::string cp932(reinterpret_cast<const char*>(rest.data()), length);
        at_ += length + 1;
        return from_cp932(cp932);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
};

// A payload as read: numbers in field order, and the texts in field order.
struct Payload {
    std::array<std::int64_t, 4> number{};
    std::array<std::string, 4> text;
    int n(int i) const { return static_cast<int>(number[i]); }
};

Rgb rgb_from(std::uint32_t colour_ref) {
    return {static_cast<int>(colour_ref & 0xff), static_cast<int>((colour_ref >> 8) & 0xff),
            static_cast<int>((colour_ref >> 16) & 0xff)};
}

Payload read_payload(StreamCursor& in, const ItemLayout& layout) {
    Payload p;
    for (int i = 0; i < layout.field_count; ++i) {
        switch (layout.fields[i]) {
            case Field::Int16: p.number[i] = in.i16(); break;
            case Field::UInt16:
            case Field::Kind: p.number[i] = in.u16(); break;
            case Field::Int32: p.number[i] = static_cast<std::int32_t>(in.unsigned_value(4)); break;
            case Field::UInt32:
            case Field::Rgb: p.number[i] = in.unsigned_value(4); break;
            case Field::Byte: p.number[i] = in.unsigned_value(1); break;
            case Field::Text: p.text[i] = in.text(); break;
        }
    }
    return p;
}

std::vector<EventHandler> read_events(StreamCursor& in) {
    in.u16();  // opens the list
    std::vector<EventHandler> events;
    for (std::uint16_t code = in.u16(); code >= form_stream::kLowestEventCode; code = in.u16())
        events.push_back({static_cast<EventKind>(code), in.text()});
    return events;
}

void apply(WindowDescription& w, Tag tag, const Payload& p) {
    switch (tag) {
        case Tag::Class: w.class_name = p.text[0]; w.icon_name = p.text[1]; break;
        case Tag::Caption: w.caption = p.text[0]; break;
        case Tag::Place: w.place = {p.n(0), p.n(1), p.n(2), p.n(3)}; break;
        case Tag::FrameSetting: w.frame_setting = p.n(0); break;
        case Tag::StartsDisabled: w.starts_disabled = p.n(0) != 0; break;
        case Tag::StartsMinimized: w.starts_minimized = p.n(0) != 0; break;
        case Tag::StartsMaximized: w.starts_maximized = p.n(0) != 0; break;
        case Tag::Name: w.name = p.text[0]; break;
        case Tag::Menu: w.menu = p.text[0]; break;
        case Tag::Bitmap: w.bitmap = p.text[0]; break;
        case Tag::Pointer: w.pointer = static_cast<std::uint32_t>(p.number[0]); break;
        case Tag::PointerResource: w.pointer_resource = p.text[0]; break;
        case Tag::TextColour: w.text_colour = p.n(0); break;
        case Tag::DrawingColour: w.drawing_colour = p.n(0); break;
        case Tag::BackgroundColour: w.background_colour = p.n(0); break;
        case Tag::TextMode: w.text_mode = p.n(0); break;
        case Tag::TextRgb: w.text_rgb = rgb_from(static_cast<std::uint32_t>(p.number[0])); break;
        case Tag::BackgroundRgb: w.background_rgb = rgb_from(static_cast<std::uint32_t>(p.number[0])); break;
        case Tag::Grid: w.grid = Pair{p.n(0), p.n(1)}; break;
        case Tag::CoordinateMode: w.coordinate_mode = p.n(0); break;
        case Tag::Redraw: w.redraw_mode = p.n(0); break;
        case Tag::ScrollRange: w.scroll_range = Pair{p.n(0), p.n(1)}; break;
        case Tag::ScrollSteps: w.scroll_steps = Pair{p.n(0), p.n(1)}; break;
        case Tag::Timer: w.timer = Pair{p.n(0), p.n(1)}; break;
        case Tag::Tooltip: w.tooltip = p.text[0]; break;
        case Tag::CopyMenu: w.copy_menu = p.n(0) != 0; break;
        case Tag::FontSize: w.font_size = p.n(0); break;
        case Tag::Bold: w.bold = p.n(0) != 0; break;
        case Tag::Italic: w.italic = p.n(0) != 0; break;
        case Tag::Underline: w.underline = p.n(0) != 0; break;
        case Tag::StrikeOut: w.strike_out = p.n(0) != 0; break;
        case Tag::FontName: w.plain_font_name = p.text[0]; break;
        case Tag::Font: w.font = FontChoice{p.text[0], p.n(1), p.n(2)}; break;
        case Tag::Ignored26:
        case Tag::Ignored3c:
        case Tag::Ignored3e:
            w.ignored.push_back({static_cast<std::uint16_t>(tag), {p.n(0), p.n(1), p.n(2), p.n(3)}});
            break;
        default: break;  // structure and bitmap-button items are handled by the reader
    }
}

void apply_button(BitmapButtonSettings& b, Tag tag, const Payload& p) {
    switch (tag) {
        case Tag::ButtonSwitching: b.switching = static_cast<std::uint32_t>(p.number[0]); break;
        case Tag::ButtonFrames: b.first_value = p.n(0); b.frame_count = p.n(1); break;
        case Tag::ButtonFrameSize: b.frame_size = {p.n(0), p.n(1)}; break;
        case Tag::ButtonFramePause: b.frame_pause_ms = p.n(0); break;
        case Tag::ButtonFlag: b.flag = p.n(0); break;
        default: break;
    }
}

// Walks the items: the form's own, then its child list (each control
// begins with its kind item), then the form's closing items.
class FormReader {
public:
    explicit FormReader(std::span<const std::uint8_t> bytes) : in_(bytes, kFirstItemOffset) {}

    FormDescription read() {
        while (read_item()) {}
        return std::move(form_);
    }

private:
    // The window that the next item applies to; none inside a child list
    // before its first control.
    WindowDescription* current() {
        if (!in_child_list_) return &form_;
        return form_.controls.empty() || !control_started_ ? nullptr : &form_.controls.back();
    }

    bool read_item() {
        const std::uint16_t code = in_.u16();
        const ItemLayout* layout = form_stream::item_with_tag(code);
        if (layout == nullptr) cannot_create();
        switch (layout->tag) {
            case Tag::Nothing: return true;
            case Tag::OpenLevel:
                if (in_child_list_) cannot_create();
                in_child_list_ = true;
                control_started_ = false;
                return true;
            case Tag::CloseLevel:
                if (!in_child_list_) return false;  // the form is closed
                in_child_list_ = false;
                return true;
            default: break;
        }
        if (layout->tag == Tag::Events) {
            WindowDescription* w = current();
            if (w == nullptr) cannot_create();
            auto events = read_events(in_);
            w->events.insert(w->events.end(), events.begin(), events.end());
            return true;
        }
        const Payload payload = read_payload(in_, *layout);
        if (layout->tag == Tag::KindAndStyle) {
            start_window(static_cast<WindowKind>(payload.number[0]),
                         static_cast<std::uint32_t>(payload.number[1]));
            return true;
        }
        WindowDescription* w = current();
        if (w == nullptr) cannot_create();
        if (layout->bitmap_button_only) {
            if (!in_child_list_ || w->kind != WindowKind::BitmapButton) cannot_create();
            apply_button(form_.controls.back().button, layout->tag, payload);
        } else {
            apply(*w, layout->tag, payload);
        }
        return true;
    }

    void start_window(WindowKind kind, std::uint32_t style) {
        if (in_child_list_) {
            form_.controls.emplace_back();
            control_started_ = true;
        }
        WindowDescription* w = current();
        w->kind = kind;
        w->style = style;
    }

    StreamCursor in_;
    FormDescription form_;
    bool in_child_list_ = false;
    bool control_started_ = false;
};

}  // namespace

FormDescription read_form_stream(std::span<const std::uint8_t> bytes) {
    return FormReader(bytes).read();
}

}  // namespace platform
