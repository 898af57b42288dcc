// Translating a form source line by line into stream items, checking that
// the lines make one form the programs can build.
#include "resources/form_source.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "platform/form_stream_items.h"
#include "platform/text.h"

namespace resources {
namespace {

using platform::form_stream::Field;
using platform::form_stream::ItemLayout;
using platform::form_stream::Tag;

constexpr std::size_t kLongestName = 21;

struct Token {
    std::string text;
    bool quoted = false;
};

// The tokens of one line, comments dropped.
std::vector<Token> split_line(std::string_view line, int number) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{"", true};
            for (++i;; ++i) {
                if (i >= line.size()) throw SourceError(number, "a text has no closing quote");
                if (line[i] == '"') break;
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                token.text.push_back(line[i]);
            }
            ++i;
            tokens.push_back(std::move(token));
        } else {
            const std::size_t end = line.find_first_of(" \t\r\"#", i);
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end == std::string_view::npos ? line.size() : end;
        }
    }
    return tokens;
}

// Appends little-endian values to a stream.
class StreamWriter {
public:
    void u16(std::uint16_t v) { value(v, 2); }
    void value(std::uint64_t v, int size) {
        for (int i = 0; i < size; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void text(const std::string& cp932) {
        bytes_.insert(bytes_.end(), cp932.begin(), cp932.end());
        bytes_.push_back(0);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Where in the form the next line stands.
enum class Section { BeforeClass, BeforeForm, Form, Controls, AfterControls };

class FormCompiler {
public:
    std::vector<std::uint8_t> compile(std::string_view source) {
        out_.value('Q', 1);
        out_.value('K', 1);
        out_.u16(1);
        out_.u16(static_cast<std::uint16_t>(Tag::OpenLevel));
        std::size_t start = 0;
        while (start <= source.size()) {
            const std::size_t end = std::min(source.find('\n', start), source.size());
            ++line_;
            compile_line(split_line(source.substr(start, end - start), line_));
            start = end + 1;
        }
        finish();
        return out_.take();
    }

private:
    [[noreturn]] void fail(const std::string& message) const { throw SourceError(line_, message); }

    void compile_line(const std::vector<Token>& tokens) {
        if (tokens.empty()) return;
        const Token& keyword = tokens.front();
        if (keyword.text != "on") close_events();
        const ItemLayout* layout =
            keyword.quoted ? nullptr : platform::form_stream::item_with_keyword(keyword.text);
        if (keyword.text == "form") {
            form_line(tokens);
        } else if (layout == nullptr) {
            fail("\"" + keyword.text + "\" is no item of a form");
        } else if (layout->tag == Tag::OpenLevel || layout->tag == Tag::CloseLevel) {
            level_line(*layout, tokens);
        } else if (layout->tag == Tag::Events) {
            event_line(tokens);
        } else {
            item_line(*layout, tokens);
        }
    }

    void form_line(const std::vector<Token>& tokens) {
        if (section_ != Section::BeforeForm) fail("the form line comes once, right after the class line");
        section_ = Section::Form;
        ItemLayout layout = *platform::form_stream::item_with_tag(0x0a);
        std::vector<Token> as_control = tokens;
        as_control.insert(as_control.begin() + 1, Token{"form"});
        write_item(layout, as_control);
    }

    void level_line(const ItemLayout& layout, const std::vector<Token>& tokens) {
        if (tokens.size() > 1) fail("\"" + tokens[0].text + "\" stands alone on its line");
        if (layout.tag == Tag::OpenLevel) {
            if (section_ != Section::Form) fail("a form has one list of controls, after its own items");
            section_ = Section::Controls;
            window_kind_.reset();
        } else {
            if (section_ != Section::Controls) fail("\"end\" closes a list of controls");
            section_ = Section::AfterControls;
            window_kind_ = 0;
            window_has_events_ = form_has_events_;
        }
        out_.u16(static_cast<std::uint16_t>(layout.tag));
    }

    void event_line(const std::vector<Token>& tokens) {
        require_window();
        if (tokens.size() != 3) fail("an event line is: on EVENT HANDLER");
        const auto kind = platform::form_stream::event_named(tokens[1].text);
        if (!kind) fail("\"" + tokens[1].text + "\" is no event");
        if (!in_events_) {
            if (window_has_events_) fail("the events of one window stand together");
            out_.u16(static_cast<std::uint16_t>(Tag::Events));
            out_.u16(static_cast<std::uint16_t>(Tag::OpenLevel));
            in_events_ = window_has_events_ = true;
            if (section_ != Section::Controls) form_has_events_ = true;
        }
        out_.u16(static_cast<std::uint16_t>(*kind));
        out_.text(checked_text(tokens[2].text));
    }

    void close_events() {
        if (!in_events_) return;
        out_.u16(static_cast<std::uint16_t>(Tag::CloseLevel));
        in_events_ = false;
    }

    void item_line(const ItemLayout& layout, const std::vector<Token>& tokens) {
        if (layout.tag == Tag::Class) {
            if (section_ != Section::BeforeClass) fail("the class line comes once, first");
            section_ = Section::BeforeForm;
        } else if (layout.tag == Tag::KindAndStyle) {
            if (section_ != Section::Controls) fail("controls stand between \"controls\" and \"end\"");
        } else {
            require_window();
        }
        if (layout.bitmap_button_only && window_kind_ != platform::form_stream::kBitmapButtonKind)
            fail("\"" + tokens[0].text + "\" belongs to a bitmap button only");
        write_item(layout, tokens);
    }

    void require_window() {
        if (section_ == Section::BeforeClass || section_ == Section::BeforeForm)
            fail("a form source begins with its class line and its form line");
        if (!window_kind_) fail("a control begins with its control line");
    }

    void write_item(const ItemLayout& layout, const std::vector<Token>& tokens) {
        out_.u16(static_cast<std::uint16_t>(layout.tag));
        std::size_t next = 1;
        for (int i = 0; i < layout.field_count; ++i) {
            if (!layout.labels[i].empty()) {
                if (next >= tokens.size() || tokens[next].quoted || tokens[next].text != layout.labels[i])
                    fail("\"" + std::string(layout.labels[i]) + "\" expected");
                ++next;
            }
            next = write_field(layout, i, tokens, next);
        }
        if (next != tokens.size()) fail("too many values for \"" + tokens[0].text + "\"");
    }

    const Token& token_at(const std::vector<Token>& tokens, std::size_t at) const {
        if (at >= tokens.size()) fail("a value is missing for \"" + tokens[0].text + "\"");
        return tokens[at];
    }

    // Writes field i from tokens[at]; returns the index of the next token.
    std::size_t write_field(const ItemLayout& layout, int i, const std::vector<Token>& tokens,
                            std::size_t at) {
        const Token& token = token_at(tokens, at);
        switch (layout.fields[i]) {
            case Field::Text: write_text(layout.tag, token); return at + 1;
            case Field::Kind: write_kind(token); return at + 1;
            case Field::Rgb: {
                std::uint32_t colour_ref = 0;
                for (int c = 0; c < 3; ++c)
                    colour_ref |= static_cast<std::uint32_t>(number(token_at(tokens, at + c), 0, 255)) << (8 * c);
                out_.value(colour_ref, 4);
                return at + 3;
            }
            case Field::Int16: write_int16(layout.tag, token); return at + 1;
            case Field::UInt16: out_.value(static_cast<std::uint64_t>(number(token, 0, 0xffff)), 2); return at + 1;
            case Field::Int32:
                out_.value(static_cast<std::uint32_t>(number(token, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max())), 4);
                return at + 1;
            case Field::UInt32: out_.value(static_cast<std::uint64_t>(number(token, 0, 0xffffffff)), 4); return at + 1;
            case Field::Byte: out_.value(static_cast<std::uint64_t>(number(token, 0, 255)), 1); return at + 1;
        }
        return at + 1;
    }

    void write_int16(Tag tag, const Token& token) {
        std::int64_t low = -32768, high = 32767;
        if (tag == Tag::TextColour || tag == Tag::DrawingColour || tag == Tag::BackgroundColour) low = 0, high = 15;
        if (tag == Tag::CoordinateMode) low = 0, high = 6;
        const std::int64_t v = number(token, low, high);
        if (tag == Tag::TextMode && v != 0 && v != 1 && v != 4 && v != 5) fail("a text mode is 0, 1, 4 or 5");
        out_.value(static_cast<std::uint16_t>(v), 2);
    }

    void write_kind(const Token& token) {
        std::uint16_t kind = 0;
        if (const auto named = platform::form_stream::kind_named(token.text); named && !token.quoted)
            kind = *named;
        else
            kind = static_cast<std::uint16_t>(number(token, 0, 0xffff));
        if ((kind == 0) != (section_ != Section::Controls))
            fail("the form is of kind form, a control of any other kind");
        window_kind_ = kind;
        window_has_events_ = false;
        out_.u16(kind);
    }

    void write_text(Tag tag, const Token& token) {
        if (tag == Tag::Name) {
            const std::size_t length = static_cast<std::size_t>(std::count_if(
                token.text.begin(), token.text.end(),
                [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
            if (length == 0 || length > kLongestName) fail("a name has 1 to 21 characters");
        }
        out_.text(checked_text(token.text));
    }

    // The text in code page 932; a character the code page cannot hold
    // would be lost, so it is a mistake in the source.
    std::string checked_text(const std::string& utf8) const {
        if (utf8.find('\0') != std::string::npos) fail("a text cannot hold a NUL character");
        std::string cp932 = platform::to_cp932(utf8);
        if (platform::from_cp932(cp932) != utf8)
            fail("\"" + utf8 + "\" holds characters that code page 932 cannot hold");
        return cp932;
    }

    std::int64_t number(const Token& token, std::int64_t low, std::int64_t high) const {
        std::string_view text = token.text;
        const bool negative = !text.empty() && text[0] == '-';
        if (negative) text.remove_prefix(1);
        int base = 10;
        if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            text.remove_prefix(2);
            base = 16;
        }
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
        if (token.quoted || text.empty() || error != std::errc{} || end != text.data() + text.size())
            fail("\"" + token.text + "\" is no number");
        if (negative) value = -value;
        if (value < low || value > high)
            fail(token.text + " is outside " + std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    void finish() {
        close_events();
        if (section_ == Section::BeforeClass || section_ == Section::BeforeForm)
            fail("a form source needs its class line and its form line");
        if (section_ == Section::Controls) fail("the list of controls is not closed with \"end\"");
        out_.u16(static_cast<std::uint16_t>(Tag::CloseLevel));
    }

    StreamWriter out_;
    Section section_ = Section::BeforeClass;
    std::optional<std::uint16_t> window_kind_;  // none between "controls" and the first control
    bool window_has_events_ = false;
    bool form_has_events_ = false;
    bool in_events_ = false;
    int line_ = 0;
};

}  // namespace

std::vector<std::uint8_t> compile_form(std::string_view source) {
    return FormCompiler().compile(source);
}

}  // namespace resources
