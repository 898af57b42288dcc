#include "platform/wav_info.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/platform/wav_maker.h"

using namespace std::chrono_literals;
using platform::wav_length;
namespace wm = wav_maker;

TEST(WavLength, IsTheDataBytesOverTheByteRateRoundedUp) {
    EXPECT_EQ(wav_length(wm::silence_ms(200)), 200ms);
    EXPECT_EQ(wav_length(wm::wav(
                  {.channels = 2, .sample_rate = 44100, .bits = 16, .data_bytes = 176400})),
              1000ms);
    EXPECT_EQ(wav_length(wm::wav({.data_bytes = 9})), 2ms);  // 1.125 ms
    EXPECT_EQ(wav_length(wm::wav({.format = 3, .sample_rate = 1000, .bits = 32, .data_bytes = 2000})),
              500ms);
    EXPECT_EQ(wav_length(wm::wav({.format = 0xFFFE, .channels = 2, .sample_rate = 768000, .bits = 24,
                                  .data_bytes = 4608000})),
              1000ms);
    // Other chunks (one of odd size, padded) and any order of the two.
    const wm::Shape shape{.data_bytes = 4000};
    const std::string odd_list = wm::chunk("LIST", "INFOabc");
    EXPECT_EQ(wav_length(wm::riff(odd_list + wm::format_chunk(shape) + wm::data_chunk(shape))),
              500ms);
    EXPECT_EQ(wav_length(wm::riff(wm::data_chunk(shape) + wm::format_chunk(shape))), 500ms);
    // A file cut inside its data counts the data that is there.
    const std::string whole = wm::silence_ms(2000);
    EXPECT_EQ(wav_length(whole.substr(0, whole.size() - 8000)), 1000ms);
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
                                   wm::wav({.format = 3, .bits = 16, .data_bytes = 800}),
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
