// Picture files: a whole bitmap is a picture, anything else error 75.
#include "platform/bitmap_extent.h"
#include "platform/picture.h"
#include "platform/run_error.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::text_of(data, size);
    try {
        const platform::Picture picture = platform::Picture::from_bytes(bytes);
        fuzz::require(!picture.empty() && platform::holds_whole_bitmap(bytes), "a loaded picture has all its pixels");
        fuzz::require(picture.size().width() <= platform::kWidestPicture &&
                          picture.size().height() <= platform::kWidestPicture,
                      "no picture is larger than the largest of the course");
    } catch (const platform::RunError& error) {
        fuzz::require(error.number() == 75, "a file that is no whole bitmap is error 75");
    }
    return 0;
}
