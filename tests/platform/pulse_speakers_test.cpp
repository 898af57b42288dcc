#include "platform/pulse_speakers.h"

#include <gtest/gtest.h>

namespace {

using platform::WavFormat;

WavFormat format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const auto block = static_cast<std::uint16_t>(channels * bits / 8);
    return {.tag = tag, .channels = channels, .sample_rate = rate, .byte_rate = rate * block,
            .block_align = block, .bits = bits};
}

// What the server is handed as it stands, or what is silent: the WAV's own
// header is never cut down to fit.
TEST(PupilsSpeakers, TakeOnlySoundsTheServerPlaysAsTheyStand) {
    const struct {
        const char* what;
        WavFormat wav;
        bool taken;
    } cases[] = {
        {"16-bit stereo", format(1, 2, 22050, 16), true},
        {"32-bit integers", format(1, 1, 44100, 32), true},
        {"32-bit floats", format(3, 1, 44100, 32), true},
        {"32 channels, the most the server takes", format(1, 32, 8000, 16), true},
        {"33 channels", format(1, 33, 8000, 16), false},
        {"257 channels, one in eight bits", format(1, 257, 8000, 16), false},
        {"64-bit floats", format(3, 1, 44100, 64), false},
        {"32 bits in an extensible header", format(0xFFFE, 1, 44100, 32), false},
        {"16 bits in an extensible header", format(0xFFFE, 1, 44100, 16), true},
        {"a rate beyond the server's", format(1, 1, 768000, 16), false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::server_takes(c.wav), c.taken) << c.what;
}

}  // namespace
