#include "tests/support/record_forms.h"

#include "platform/text.h"

namespace harness {
namespace {

// Each ASCII byte of the text as a UTF-16 code unit, in the byte order asked.
enum class Order { Little, Big };
std::string utf16(std::string_view ascii, Order order, bool with_mark) {
    std::string bytes = with_mark ? (order == Order::Little ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const char c : ascii) {
        if (order == Order::Big) bytes += '\0';
        bytes += c;
        if (order == Order::Little) bytes += '\0';
    }
    return bytes;
}

// Each digit of the text replaced by the one of `digits` it stands for.
std::string digits_as(std::string_view ascii, const char* const (&digits)[10]) {
    std::string text;
    for (const char c : ascii) text += c >= '0' && c <= '9' ? digits[c - '0'] : std::string(1, c);
    return platform::to_cp932(text);
}

std::string replaced(std::string_view text, char from, std::string_view to) {
    std::string out;
    for (const char c : text) c == from ? out.append(to) : out.append(1, c);
    return out;
}

frame::PassFlags all_passed(const frame::RecordLayout& layout) {
    frame::PassFlags flags;
    for (const int count : layout.flag_counts) flags.emplace_back(static_cast<std::size_t>(count), 1);
    return flags;
}

// The text up to the end of its first `items` items: before the comma that
// follows the last of them, or after the line end.
std::string first_items(const std::string& text, std::size_t items) {
    std::size_t at = 0;
    for (std::size_t item = 0; item < items; ++item) at = text.find_first_of(",\r", at) + 1;
    return text[at - 1] == ',' ? text.substr(0, at - 1) : text.substr(0, at + 1);
}

}  // namespace

std::string ten_passes() { return "8,8,6,1,1,1,1,0,0,0,0,1,1,0,0,0,0,0,1\r\n1,1,0,0,0,1\r\n"; }

std::vector<RecordForm> ten_passes_readable() {
    const std::string plain = ten_passes();
    return {
        {"as written", plain},
        {"blanks around items", " " + replaced(plain, ',', "  ,  ")},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + plain},
        {"LF line ends", replaced(plain, '\r', "")},
        {"CR line ends", replaced(plain, '\n', "")},
        {"one item a line", replaced(plain, ',', "\r\n")},
    };
}

std::vector<RecordForm> ten_passes_foreign() {
    static const char* const kFullWidth[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    static const char* const kWords[10] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    const std::string plain = ten_passes();
    std::string empty_item = plain;
    empty_item.insert(empty_item.find("1,1,") + 2, ",");  // "1,,1": the flags shift by one
    return {
        {"UTF-16 little-endian with a byte order mark", utf16(plain, Order::Little, true)},
        {"UTF-16 little-endian without one", utf16(plain, Order::Little, false)},
        {"UTF-16 big-endian with one", utf16(plain, Order::Big, true)},
        {"full-width digits", digits_as(plain, kFullWidth)},
        {"numbers in words", digits_as(plain, kWords)},
        {"a blank line first", "\r\n" + plain},
        {"an empty item", empty_item},
        {"semicolons", replaced(plain, ',', ";")},
        {"tabs", replaced(plain, ',', "\t")},
    };
}

std::vector<RecordForm> all_passed_cut_short(const frame::RecordLayout& layout, const frame::RecordLayout& shorter) {
    const std::string whole = frame::progress_text(layout, all_passed(layout));
    std::vector<RecordForm> forms;
    std::size_t items = layout.header.size();
    for (std::size_t list = 0; list + 1 < layout.flag_counts.size(); ++list) {
        items += static_cast<std::size_t>(layout.flag_counts[list]);
        forms.push_back({"its first " + std::to_string(list + 1) + " list(s) of flags alone", first_items(whole, items)});
    }
    forms.push_back({"a shorter record of another unit", frame::progress_text(shorter, all_passed(shorter))});
    return forms;
}

}  // namespace harness
