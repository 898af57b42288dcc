#pragma once
// The options every tool of the course answers alike.  "--help" or "-h"
// prints the tool's usage on standard output, exit status 0; an argument
// that starts with '-' and is none of the tool's own options is refused with
// the usage on standard error, exit status 2.  A tool asks before it does
// anything else, so that it creates nothing then.  Header only and without
// Qt, so that every tool can use it.

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace platform {

// Prints the usage on standard error and gives the exit status of a tool
// called the wrong way, 2.
inline int refuse_call(std::string_view usage) {
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return 2;
}

// The exit status to end the tool with at once, or nothing when it may run:
// the first argument that starts with '-' and is not among `own` decides.
inline std::optional<int> answer_options(int argc, char** argv, std::string_view usage,
                                         std::initializer_list<std::string_view> own = {}) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with('-') || std::ranges::find(own, argument) != own.end()) continue;
        if (argument == "--help" || argument == "-h") {
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return 0;
        }
        std::string_view tool = argv[0];
        tool.remove_prefix(tool.rfind('/') + 1);   // npos + 1: the whole name
        std::fprintf(stderr, "%.*s: unknown option %.*s\n", int(tool.size()), tool.data(),
                     int(argument.size()), argument.data());
        return refuse_call(usage);
    }
    return std::nullopt;
}

}  // namespace platform
