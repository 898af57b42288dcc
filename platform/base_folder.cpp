// The base folder rule, counting characters of UTF-8 text.
#include "platform/base_folder.h"

#include <vector>

#include "platform/run_error.h"

namespace platform {
namespace {

// Byte offsets where the characters of a UTF-8 text begin, and its end.
std::vector<std::size_t> character_starts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

}  // namespace

std::string base_folder(std::string_view current_folder) {
    const std::vector<std::size_t> starts = character_starts(current_folder);
    const long length = static_cast<long>(starts.size()) - 1;

    long last_backslash = 0;  // p: the farthest of the last five characters that is a "\"
    for (long i = 1; i <= 5 && i <= length; ++i)
        if (current_folder[starts[static_cast<std::size_t>(length - i)]] == '\\') last_backslash = i;

    const long kept = length - last_backslash - 6;
    if (kept < 0) throw RunError(ErrorNumber::BadArgument);
    return std::string(current_folder.substr(0, starts[static_cast<std::size_t>(kept)]));
}

std::string data_folder(std::string_view base) { return std::string(base) + "\\da"; }

}  // namespace platform
