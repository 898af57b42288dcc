#pragma once
// The options every developer tool answers: --help and -h print its usage
// on standard output; anything else starting with '-' is refused with the
// usage on standard error.

#include <iostream>
#include <optional>
#include <span>
#include <string_view>

namespace tour {

// The exit status when an option was answered; none when the arguments
// hold no option and the tool is to run.
inline std::optional<int> answer_options(std::span<char* const> arguments, std::string_view usage) {
    for (std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
    }
    for (std::string_view argument : arguments) {
        if (argument.starts_with('-')) {
            std::cerr << "unknown option '" << argument << "'\n" << usage;
            return 2;
        }
    }
    return std::nullopt;
}

}  // namespace tour
