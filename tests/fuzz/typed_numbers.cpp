// Numbers as a pupil types them and as the pages print them.
#include <cmath>
#include <string>

#include "frame/entry_bar.h"
#include "platform/text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using fuzz::require;

// A number printed in plain digits reads back as itself.
void print_and_read_back(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = platform::number_text(value);
    require(text.starts_with(' ') == (value >= 0), "a number not below 0 is printed with a leading blank");
    if (text.find_first_of("eE") == std::string::npos)
        require(platform::number_value(text) == value, "a printed number reads back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed = fuzz::text_of(data, size);
    const double value = platform::number_value(typed);
    require(!std::isnan(value), "a typed text is a number");
    print_and_read_back(value);
    const std::int16_t start = frame::start_number(typed);
    if (std::abs(value) < 32767) require(start == std::nearbyint(value), "a start number is the typed number rounded");
    print_and_read_back(start);
    return 0;
}
