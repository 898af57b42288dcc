#pragma once
// A run-time error of a lesson program: the number the report shows and the
// place of the failing statement.  The event loop catches it and shows the
// run-time error report; nothing else handles it.

#include <source_location>
#include <stdexcept>
#include <string>

namespace platform {

// Error numbers the platform raises.
enum class ErrorNumber : int {
    BadArgument = 5,
    BadDrawArgument = 6,
    OutOfMemory = 7,
    NoSuchResource = 1012,
    NoSuchControl = 1013,
    WindowNotCreated = 1014,
    MissingButtonBitmap = 1010,
    ResourceNotLocked = 27,
    NoSuchModule = 36,
    BadFileName = 52,
    FileNotFound = 53,
    InputPastEnd = 62,
    FileNotOpened = 63,
    NotABitmap = 75,
};

class RunError : public std::runtime_error {
public:
    explicit RunError(ErrorNumber number,
                      std::source_location where = std::source_location::current())
        : RunError(static_cast<int>(number), where) {}
    explicit RunError(int number,
                      std::source_location where = std::source_location::current())
        : std::runtime_error("run-time error " + std::to_string(number)),
          number_(number), where_(where) {}

    int number() const { return number_; }
    const std::source_location& where() const { return where_; }

private:
    int number_;
    std::source_location where_;
};

}  // namespace platform
