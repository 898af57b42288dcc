// WAV headers: no header makes a sound last longer than its data can play,
// nor claims more of the sound than the file holds, nor part of a sample.
#include "platform/wav_info.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The slowest sound plays a thousand one-byte samples a second.
    constexpr std::size_t kSlowestBytesPerSecond = 1000;
    const std::string_view bytes = fuzz::text_of(data, size);
    const auto length = platform::wav_length(bytes);
    if (length)
        fuzz::require(length->count() >= 0 &&
                          static_cast<std::size_t>(length->count()) <= size * 1000 / kSlowestBytesPerSecond + 1,
                      "a sound lasts no longer than its bytes can play");
    const auto sound = platform::wav_sound(bytes);
    fuzz::require(sound.has_value() == length.has_value(), "a sound has a length, and only a sound");
    if (sound) {
        fuzz::require(sound->data_at <= size && sound->data_bytes <= size - sound->data_at,
                      "a sound's data lies in the file");
        fuzz::require(sound->format.block_align > 0 && sound->data_bytes % sound->format.block_align == 0,
                      "a sound's data is whole samples");
    }
    return 0;
}
