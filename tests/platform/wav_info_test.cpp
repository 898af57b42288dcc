#include "platform/wav_info.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/platform/wav_maker.h"
#include "tests/support/bytes_read.h"

using namespace std::chrono_literals;
using platform::wav_length;
namespace wm = wav_maker;

TEST(WavLength, IsTheDataBytesOverTheByteRateRoundedUp) {
    EXPECT_EQ(wav_length(wm::silence_ms(200)), 200ms);
    EXPECT_EQ(wav_length(wm::wav(
                  {.channels = 2, .sample_rate = 44100, .bits = 16, .data_bytes = 176400})),
              1000ms);
    EXPECT_EQ(wav_length(wm::wav({.data_bytes = 9})), 2ms);  // 1.125 ms
    EXPECT_EQ(wav_length(wm::wav({.data_bytes = 0})), 0ms);  // the file ends with the data's header
    EXPECT_EQ(wav_length(wm::wav({.format = 3, .sample_rate = 1000, .bits = 32, .data_bytes = 2000})),
              500ms);
    EXPECT_EQ(wav_length(wm::wav({.format = 0xFFFE, .channels = 2, .sample_rate = 768000, .bits = 24,
                                  .data_bytes = 4608000})),
              1000ms);
    // Other chunks (of odd and even sizes, the odd one padded) and any order of the two.
    const wm::Shape shape{.data_bytes = 4000};
    const std::string others = wm::chunk("LIST", "INFOabc") + wm::chunk("junk", "abcd");
    EXPECT_EQ(wav_length(wm::riff(others + wm::format_chunk(shape) + wm::data_chunk(shape))),
              500ms);
    EXPECT_EQ(wav_length(wm::riff(wm::data_chunk(shape) + wm::format_chunk(shape))), 500ms);
    // The walk reads 64 chunks at most: the data as the 64th is found, as the 65th not.
    std::string empty_chunks;
    for (int i = 0; i < 62; ++i) empty_chunks += wm::chunk("junk", "");
    const std::string format = wm::format_chunk(shape);
    EXPECT_EQ(wav_length(wm::riff(format + empty_chunks + wm::data_chunk(shape))), 500ms);
    EXPECT_EQ(wav_length(wm::riff(format + empty_chunks + wm::chunk("junk", "") + wm::data_chunk(shape))),
              std::nullopt);
    // A file cut inside its data counts the data that is there.
    const std::string whole = wm::silence_ms(2000);
    EXPECT_EQ(wav_length(whole.substr(0, whole.size() - 8000)), 1000ms);
}

// Where the sound lies and how much of it the file holds, in whole samples:
// a file half copied, a header alone, a data size of 4 GiB on a short file.
TEST(WavSound, IsTheWholeSamplesTheFileHolds) {
    const wm::Shape stereo16{.channels = 2, .bits = 16, .data_bytes = 4000};  // four bytes a sample
    const std::string whole = wm::wav(stereo16);
    const struct {
        const char* what;
        std::string bytes;
        std::uint64_t data_at, data_bytes;
        std::chrono::milliseconds length;
    } cases[] = {
        {"whole", whole, 44, 4000, 125ms},
        {"cut inside a sample", whole.substr(0, 44 + 2003), 44, 2000, 63ms},
        {"a header alone", whole.substr(0, 44), 44, 0, 0ms},
        {"4 GiB on a short file", wm::riff(wm::format_chunk(stereo16) + "data" + wm::le(0xFFFFFFFF, 4)) + std::string(802, 'x'),
         44, 800, 25ms},
        {"data first", wm::riff(wm::data_chunk(stereo16) + wm::format_chunk(stereo16)), 20, 4000, 125ms},
    };
    for (const auto& [what, bytes, data_at, data_bytes, length] : cases) {
        const std::optional<platform::WavSound> sound = platform::wav_sound(bytes);
        ASSERT_TRUE(sound) << what;
        EXPECT_EQ(sound->format.block_align, 4) << what;
        EXPECT_EQ(sound->data_at, data_at) << what;
        EXPECT_EQ(sound->data_bytes, data_bytes) << what;
        EXPECT_EQ(sound->length(), length) << what;
    }
    EXPECT_EQ(platform::WavSound{}.length(), 0ms);  // no format, nothing to play
}

TEST(WavLength, HasNoneForWhatIsNotAPlayableWav) {
    const std::string good = wm::silence_ms(100);
    const wm::Shape shape{.data_bytes = 800};
    std::string avi = good;
    avi.replace(8, 4, "AVI ");
    for (const std::string& bad : {std::string(), std::string("a text file, not a sound"),
                                   good.substr(0, 11), good.substr(0, 30), avi,
                                   wm::riff(wm::format_chunk(shape)),
                                   wm::riff(wm::data_chunk(shape)),
                                   wm::wav({.format = 0x55, .data_bytes = 800}),
                                   wm::wav({.sample_rate = 0, .data_bytes = 800}),
                                   // numbers that do not add up, or a rate no device plays
                                   wm::wav({.sample_rate = 22050, .data_bytes = 800, .byte_rate = 1}),
                                   wm::wav({.sample_rate = 22050, .data_bytes = 800, .byte_rate = 44100}),
                                   wm::wav({.channels = 2, .data_bytes = 800, .block = 1}),
                                   wm::wav({.bits = 12, .data_bytes = 800}),
                                   wm::wav({.bits = 0, .data_bytes = 800}),
                                   wm::wav({.format = 3, .bits = 16, .data_bytes = 800}),
                                   wm::wav({.format = 3, .bits = 0, .data_bytes = 800}),
                                   wm::wav({.sample_rate = 1, .data_bytes = 800}),
                                   wm::wav({.sample_rate = 999, .data_bytes = 800}),
                                   wm::wav({.sample_rate = 768001, .data_bytes = 800}),
                                   wm::riff(wm::chunk("fmt ", "short") + wm::data_chunk(shape))}) {
        EXPECT_EQ(wav_length(bad), std::nullopt) << bad.size() << " bytes";
    }
}

TEST(WavFileLength, ReadsTheFileOrHasNone) {
    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    wm::write(root / "SOUND1.WAV", wm::silence_ms(750));
    EXPECT_EQ(platform::wav_file_length(root / "SOUND1.WAV"), 750ms);
    EXPECT_EQ(platform::wav_file_length(root / "SOUND2.WAV"), std::nullopt);
    EXPECT_EQ(platform::wav_file_length(root), std::nullopt);  // a folder
}

// A sound followed by zeros to 2.1 GB, a data chunk that claims the most a
// header can, and a format after 2.1 GB of data: the length comes from the
// chunks' headers and the file's size, and the sound itself is never read.
// Nor is a file of millions of empty chunks walked to its end.
TEST(WavFileLength, ReadsOnlyTheHeadersOfAFileFarTooLong) {
    constexpr std::uint64_t kSize = 2'100'000'000;
    const wm::Shape shape{.data_bytes = 4000};
    const std::string data_to_the_end = "data" + wm::le(0xFFFFFFFF, 4);
    const struct {
        std::string start, after_zeros;
        std::optional<std::chrono::milliseconds> length;
    } cases[] = {
        {wm::wav(shape), "", 500ms},
        {wm::riff(wm::format_chunk(shape) + data_to_the_end), "", std::chrono::milliseconds((kSize - 44) / 8 + 1)},
        {"RIFF" + wm::le(0, 4) + "WAVE" + "data" + wm::le(kSize - 20, 4), wm::format_chunk(shape),
         std::chrono::milliseconds((kSize - 20) / 8 + 1)},
        {"RIFF" + wm::le(0, 4) + "WAVE", wm::wav(shape).substr(12), std::nullopt},
    };
    QTemporaryDir folder;
    const std::filesystem::path file = std::filesystem::path(folder.path().toStdString()) / "SOUND28.WAV";
    for (const auto& [start, after_zeros, length] : cases) {
        wm::write(file, start);
        std::filesystem::resize_file(file, kSize);  // sparse: zeros that take no room
        std::ofstream(file, std::ios::binary | std::ios::app) << after_zeros;
        std::optional<std::chrono::milliseconds> found;
        EXPECT_LT(harness::bytes_read_during([&] { found = platform::wav_file_length(file); }), 1'000'000u);
        EXPECT_EQ(found, length) << start.size();
    }
}
