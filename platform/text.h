#pragma once
// Text as the programs see it.  Their strings are UTF-8; the files they share
// with other programs (the pupil's record name file, the progress record) are
// code page 932.  Widths of drawn text are counted in code page 932 bytes, and
// numbers travel as text in the form a pupil types and the pages print.

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to code page 932.  A character the code page cannot hold, or a broken
// UTF-8 sequence, becomes '?'.
std::string to_cp932(std::string_view utf8);

// Code page 932 to UTF-8.  A byte sequence that is no character becomes '?'.
std::string from_cp932(std::string_view cp932);

// The width of a text in cells: its length in code page 932 bytes.  ASCII and
// half-width katakana take one cell, every other character two.
int cell_width(std::string_view utf8);

// A number as text: a non-negative number gets a leading blank (" 3", "-2",
// " 2.5").
std::string number_text(double value);

// The number at the start of a text: leading blanks skipped, then an optional
// sign, half-width digits and a decimal point, up to the first character that
// cannot continue the number.  A text without such a number is 0.
double number_value(std::string_view text);

}  // namespace platform
