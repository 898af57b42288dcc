// WAV headers: no header makes a sound last longer than its data can play.
#include "platform/wav_info.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The slowest sound plays a thousand one-byte samples a second.
    constexpr std::size_t kSlowestBytesPerSecond = 1000;
    const auto length = platform::wav_length(fuzz::text_of(data, size));
    if (length)
        fuzz::require(length->count() >= 0 &&
                          static_cast<std::size_t>(length->count()) <= size * 1000 / kSlowestBytesPerSecond + 1,
                      "a sound lasts no longer than its bytes can play");
    return 0;
}
