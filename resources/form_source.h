#pragma once
// The readable source of one form description and its translation into the
// stream the programs embed.
//
// A source is UTF-8 text, one item a line, in the order the stream holds
// them; "#" starts a comment.  A text is quoted ("O  K", with \" and \\) or,
// when it has no blank, a bare word (EDIT1).  Numbers are decimal or 0x hex.
//
//   class "FORM3" icon ""          the form's window class and icon
//   form style 0x2                 the form itself
//   place 11 147 642 29            …its settings, one a line
//   on START FORM3_START           …its event list, one event a line
//   controls                       the list of its controls
//     control edit style 0x802c00  one control: its kind and style,
//     name EDIT1                   then its items
//   end
//   frame-setting 1                the form's closing items
//
// The keywords of the items are those of platform/form_stream_items.h.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

// A mistake in a source, with the number of its line (from 1).
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message),
          line_(line), message_(message) {}
    int line() const { return line_; }
    const std::string& message() const { return message_; }

private:
    int line_;
    std::string message_;
};

// The stream of the form that the source describes: magic "QK", version 1,
// the form's opening item, its items, and the item closing the form.
std::vector<std::uint8_t> compile_form(std::string_view source);

}  // namespace resources
