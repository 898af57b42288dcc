// Items of "NO.BAS" and of the progress record, and the record's writer:
// whatever is read is written back so that it reads the same, and the start
// of a file reads as the whole file or not at all.
#include <algorithm>
#include <string>
#include <vector>

#include "frame/progress_record.h"
#include "platform/run_error.h"
#include "platform/text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using fuzz::require;

bool past_end(const platform::RunError& error) { return error.number() == 62; }

// Layouts of the course's records: three lists with two on the first line,
// two lists on one line, and one list on a line of its own.
const frame::RecordLayout kLayouts[] = {
    {.header = {8, 8, 6}, .flag_counts = {8, 8, 6}, .lists_on_first_line = 2},
    {.header = {6, 6, 0}, .flag_counts = {6, 6}, .lists_on_first_line = 2},
    {.header = {1, 0, 0}, .flag_counts = {3}, .lists_on_first_line = 0},
};

void read_record_name_back(std::string_view no_bas) {
    try {
        const std::string name = frame::read_record_name(no_bas);
        const std::string cp932 = platform::to_cp932(name);
        // A name the launcher can write in quotes reads back the same.
        if (cp932.find('"') == std::string::npos && platform::from_cp932(cp932) == name)
            require(frame::read_record_name("\"" + cp932 + "\"\r\n") == name, "a quoted name reads back");
    } catch (const platform::RunError& error) {
        require(past_end(error), "an empty NO.BAS is input past its end");
    }
}

void read_items_in_turn(std::string_view text) {
    frame::ItemReader reader(text);
    std::size_t items = 0;
    try {
        for (;; ++items) {
            require(items <= text.size(), "every item takes at least one byte");
            if (items % 2 == 0) reader.next_text();
            else reader.next_number();
        }
    } catch (const platform::RunError& error) {
        require(past_end(error), "items end with input past the end");
    }
}

// A page passes when all its flags are 1, and never with a flag 0 and none
// above 1, whatever numbers the other flags hold.
void count_passes(const frame::PassFlags& flags) {
    for (const std::vector<int>& page : flags) {
        const bool passed = frame::all_passed(page);
        if (std::ranges::all_of(page, [](int flag) { return flag == 1; }))
            require(passed, "a page with every flag 1 has passed");
        if (std::ranges::find(page, 0) != page.end() && std::ranges::none_of(page, [](int flag) { return flag > 1; }))
            require(!passed, "a page with a flag 0 and none above 1 has not passed");
    }
}

void read_record_back(std::string_view record, const frame::RecordLayout& layout) {
    try {
        const frame::PassFlags flags = frame::read_progress(record, layout);
        count_passes(flags);
        const std::string written = frame::progress_text(layout, flags);
        require(frame::read_progress(written, layout) == flags, "written flags read back the same");
        require(frame::progress_text(layout, frame::read_progress(written, layout)) == written,
                "a written record is written again byte for byte");
    } catch (const platform::RunError& error) {
        require(past_end(error), "a short record is input past its end");
    }
}

// The start of the text, cut where its first byte says, read as the start of
// a longer file: the items of the whole text, or input past the end.
template <typename Read>
void read_start_as_whole(std::string_view text, const Read& read) {
    if (text.empty()) return;
    const std::string_view start = text.substr(0, static_cast<unsigned char>(text[0]) % (text.size() + 1));
    try {
        const auto items = read(start, frame::TextEnd::Cut);
        try {
            require(read(text, frame::TextEnd::File) == items, "the start of a file reads as the whole");
        } catch (const platform::RunError&) {
            require(false, "the start of a file reads where the whole does not");
        }
    } catch (const platform::RunError& error) {
        require(past_end(error), "a start that cuts an item is input past its end");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text_of(data, size);
    read_record_name_back(text);
    read_items_in_turn(text);
    for (const frame::RecordLayout& layout : kLayouts) {
        read_record_back(text, layout);
        read_start_as_whole(text, [&](std::string_view part, frame::TextEnd end) {
            return frame::read_progress(part, layout, end);
        });
    }
    read_start_as_whole(text, [](std::string_view part, frame::TextEnd end) { return frame::read_record_name(part, end); });
    return 0;
}
