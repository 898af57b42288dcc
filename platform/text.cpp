// Code page conversion through glibc iconv, cell widths from code points, and
// the number-to-text and text-to-number forms.
#include "platform/text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace platform {
namespace {

// Bytes of the UTF-8 sequence that begins with this lead byte (1 for a byte
// that begins none, so that a broken sequence is passed one byte at a time).
std::size_t utf8_sequence_length(unsigned char lead) {
    if (lead < 0xC2) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF5) return 4;
    return 1;
}

bool is_cp932_lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool is_cp932_trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Bytes to pass over when a conversion meets something it cannot convert.
std::size_t utf8_unconvertible(std::string_view rest) {
    return std::min(rest.size(), utf8_sequence_length(static_cast<unsigned char>(rest[0])));
}

std::size_t cp932_unconvertible(std::string_view rest) {
    const bool pair = rest.size() >= 2 && is_cp932_lead(static_cast<unsigned char>(rest[0])) &&
                      is_cp932_trail(static_cast<unsigned char>(rest[1]));
    return pair ? 2 : 1;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; whatever cannot be converted becomes one '?' per
    // `unconvertible` bytes.
    std::string convert(std::string_view in, std::size_t (*unconvertible)(std::string_view)) {
        std::string out;
        char buffer[256];
        while (!in.empty()) {
            char* in_ptr = const_cast<char*>(in.data());
            std::size_t in_left = in.size();
            char* out_ptr = buffer;
            std::size_t out_left = sizeof buffer;
            const std::size_t result = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
            in.remove_prefix(in.size() - in_left);
            if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
            out.push_back('?');
            in.remove_prefix(error == EILSEQ ? unconvertible(in) : in.size());
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string to_cp932(std::string_view utf8) {
    return Converter("CP932", "UTF-8").convert(utf8, utf8_unconvertible);
}

std::string from_cp932(std::string_view cp932) {
    return Converter("UTF-8", "CP932").convert(cp932, cp932_unconvertible);
}

int cell_width(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = std::min(utf8.size() - i, utf8_sequence_length(lead));
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[i + k]); };
        bool one_cell = length == 1;
        if (length == 2) {
            // U+00A5 yen sign: the code page's backslash byte.
            one_cell = lead == 0xC2 && byte(1) == 0xA5;
        } else if (length == 3 && lead == 0xEF) {
            // U+FF61..U+FF9F half-width katakana.
            one_cell = (byte(1) == 0xBD && byte(2) >= 0xA1) || (byte(1) == 0xBE && byte(2) <= 0x9F);
        } else if (length == 3 && lead == 0xE2) {
            // U+203E overline: the code page's tilde byte.
            one_cell = byte(1) == 0x80 && byte(2) == 0xBE;
        }
        width += one_cell ? 1 : 2;
        i += length;
    }
    return width;
}

std::string number_text(double value) {
    if (value == 0) value = 0;  // no "-0"
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, error == std::errc{} ? end : digits);
    return value >= 0 ? " " + text : text;
}

double number_value(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    const auto is_digit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };

    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-') ++i;
    const std::size_t start = i;
    while (is_digit(i)) ++i;
    const bool whole_digits = i > start;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (is_digit(i)) ++i;
    }
    if (!whole_digits && i - start < 2) return 0;  // no digit at all

    const std::string_view number = text.substr(start, i - start);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = number.find_first_of("123456789") < number.find('.') ? HUGE_VAL : 0;
    return negative ? -value : value;
}

}  // namespace platform
