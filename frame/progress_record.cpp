// Items of "NO.BAS" and of the progress record, and the record's text form.
#include "frame/progress_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

#include "platform/run_error.h"
#include "platform/text.h"

namespace frame {
namespace {

using platform::ErrorNumber;
using platform::RunError;

bool ends_item(char c) { return c == ',' || c == ':' || c == '\r' || c == '\n'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// An optional sign, then digits with at most one decimal point among them,
// blanks around it all.
bool is_written_number(std::string_view item) {
    const std::size_t first = item.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    item = item.substr(first, item.find_last_not_of(' ') + 1 - first);
    if (item.front() == '+' || item.front() == '-') item.remove_prefix(1);
    const auto digits = std::ranges::count_if(item, is_digit);
    const auto points = std::ranges::count(item, '.');
    return digits > 0 && points <= 1 && static_cast<std::size_t>(digits + points) == item.size();
}

template <typename Whole>
Whole whole_number(double value) {
    constexpr double low = static_cast<double>(std::max<long long>(std::numeric_limits<Whole>::min(), -(1LL << 53)));
    constexpr double high = static_cast<double>(std::min<long long>(std::numeric_limits<Whole>::max(), 1LL << 53));
    if (std::isnan(value)) return 0;
    return static_cast<Whole>(std::clamp(std::round(value), low, high));
}

// Editors that save UTF-8 may put its byte order mark before the first item.
std::string_view without_byte_order_mark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.starts_with(mark)) text.remove_prefix(mark.size());
    return text;
}

void append_line(std::string& text, const std::vector<int>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(items[i]);
    }
    text += "\r\n";
}

}  // namespace

void ItemReader::skip_blanks() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
}

// Passes the separator after an item, if one follows after blanks: a comma,
// a colon or a line end (CR LF, CR or LF).
void ItemReader::end_item() {
    skip_blanks();
    if (at_ >= text_.size() || !ends_item(text_[at_])) return;
    if (text_[at_++] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
}

// An item that reaches the end of a text cut short is refused: read whole,
// its file might go on with more of the same item.
void ItemReader::check_not_cut(std::size_t item_end) const {
    if (end_ == TextEnd::Cut && item_end >= text_.size()) throw RunError(ErrorNumber::InputPastEnd);
}

std::string_view ItemReader::quoted_item() {
    const std::size_t start = ++at_;
    const std::size_t close = std::min(text_.find('"', start), text_.size());
    check_not_cut(close);
    at_ = std::min(close + 1, text_.size());
    while (at_ < text_.size() && !ends_item(text_[at_])) ++at_;  // anything after the closing quote
    end_item();
    return text_.substr(start, close - start);
}

std::string_view ItemReader::next_item(bool numeric) {
    skip_blanks();
    if (at_ >= text_.size()) throw RunError(ErrorNumber::InputPastEnd);
    if (text_[at_] == '"') return quoted_item();

    const std::size_t start = at_;
    while (at_ < text_.size() && !ends_item(text_[at_]) && !(numeric && text_[at_] == ' ')) ++at_;
    check_not_cut(at_);
    std::string_view item = text_.substr(start, at_ - start);
    item = item.substr(0, item.find_last_not_of(' ') + 1);
    end_item();
    return item;
}

std::string ItemReader::next_text() { return platform::from_cp932(next_item(false)); }

long ItemReader::next_number() {
    const std::string_view item = next_item(true);
    if (!is_written_number(item)) throw RunError(ErrorNumber::InputPastEnd);
    return whole_number<long>(platform::number_value(item));
}

bool all_passed(const std::vector<int>& page_flags) {
    // Wide enough for any count of flags a record can hold.
    const std::int64_t sum = std::accumulate(page_flags.begin(), page_flags.end(), std::int64_t{0});
    return sum == static_cast<std::int64_t>(page_flags.size());
}

PassFlags read_progress(std::string_view cp932, const RecordLayout& layout, TextEnd end) {
    ItemReader reader(without_byte_order_mark(cp932), end);
    for (std::size_t i = 0; i < layout.header.size(); ++i) reader.next_number();
    PassFlags flags;
    for (const int count : layout.flag_counts) {
        std::vector<int>& page = flags.emplace_back();
        for (int i = 0; i < count; ++i) page.push_back(whole_number<int>(static_cast<double>(reader.next_number())));
    }
    return flags;
}

std::string progress_text(const RecordLayout& layout, const PassFlags& flags) {
    const std::size_t lists = layout.flag_counts.size();
    if (flags.size() != lists) throw RunError(ErrorNumber::BadArgument);
    for (std::size_t i = 0; i < lists; ++i)
        if (flags[i].size() != static_cast<std::size_t>(layout.flag_counts[i])) throw RunError(ErrorNumber::BadArgument);

    const std::size_t on_first_line = std::min<std::size_t>(static_cast<std::size_t>(std::max(layout.lists_on_first_line, 0)), lists);
    std::vector<int> first_line(layout.header.begin(), layout.header.end());
    for (std::size_t i = 0; i < on_first_line; ++i) first_line.insert(first_line.end(), flags[i].begin(), flags[i].end());

    std::string text;
    append_line(text, first_line);
    for (std::size_t i = on_first_line; i < lists; ++i) append_line(text, flags[i]);
    return text;
}

std::string read_record_name(std::string_view no_bas_cp932, TextEnd end) {
    return ItemReader(without_byte_order_mark(no_bas_cp932), end).next_text();
}

}  // namespace frame
