// The measure the listening tool and the sound-server tests hear by: a
// sound loud for its first 100 ms, then 100 ms too quiet to count, then
// silence, is voiced for ten frames of 10 ms at every rate the course's
// sounds come in.  The quiet part holds samples whose bytes, read a byte off
// their place, would make a loud one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/platform/wav_maker.h"
#include "tests/support/voiced.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Rate {
    std::uint32_t sample_rate;
    std::uint16_t channels;
};

std::string samples(std::uint32_t count, std::uint16_t channels, std::int16_t first, std::int16_t second) {
    std::string bytes;
    for (std::uint32_t at = 0; at < count; ++at)
        for (std::uint16_t channel = 0; channel < channels; ++channel)
            bytes += wav_maker::le(static_cast<std::uint16_t>(at % 2 == 0 ? first : second), 2);
    return bytes;
}

std::string loud_then_quiet(const Rate &rate) {
    const std::uint32_t tenth = rate.sample_rate / 10;
    const std::string body = samples(tenth, rate.channels, 12000, -12000) + samples(tenth, rate.channels, 200, 5) +
                             samples(tenth / 2, rate.channels, 0, 0);
    const wav_maker::Shape shape{.channels = rate.channels, .sample_rate = rate.sample_rate, .bits = 16};
    return wav_maker::riff(wav_maker::format_chunk(shape) + wav_maker::chunk("data", body));
}

TEST(VoicedFrames, ALoudTenthOfASecondIsTenFramesAtEveryRate) {
    const fs::path wav = fs::temp_directory_path() / ("voiced-" + std::to_string(::getpid()) + ".wav");
    for (const Rate rate : {Rate{22050, 1}, Rate{48000, 1}, Rate{44100, 2}, Rate{11025, 1}}) {
        SCOPED_TRACE(std::to_string(rate.sample_rate) + " Hz, " + std::to_string(rate.channels) + " channels");
        wav_maker::write(wav, loud_then_quiet(rate));
        const std::optional<harness::VoicedSound> sound = harness::voiced_sound(wav);
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->voiced(), 10u);
        EXPECT_EQ(sound->spoken_end(), 100ms);
        EXPECT_EQ(sound->length(), 250ms);
    }
    fs::remove(wav);
}

}  // namespace
