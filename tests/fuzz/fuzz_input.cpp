#include "tests/fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace fuzz {

std::vector<std::string_view> parts_of(std::string_view input, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = input.find(separator, at);
        parts.push_back(input.substr(at, end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

void require(bool holds, std::string_view property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    std::abort();
}

ScratchFolder::ScratchFolder(std::string_view name) {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
    require(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace fuzz
