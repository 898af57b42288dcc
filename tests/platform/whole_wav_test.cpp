#include "platform/whole_wav.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "tests/platform/wav_maker.h"

namespace {

namespace fs = std::filesystem;
namespace wm = wav_maker;

std::string contents_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Distinct bytes, so that a copy of the wrong stretch shows.
std::string samples(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(i * 7 + 1));
    return bytes;
}

class WholeWav : public ::testing::Test {
protected:
    fs::path file(std::string_view name) const { return fs::path(folder_.path().toStdString()) / name; }

    QTemporaryDir folder_;
};

}  // namespace

// The copy is the plain header and exactly the whole samples the file
// holds, whatever its header claimed and wherever its data lay.
TEST_F(WholeWav, HoldsTheWholeSamplesThereAreUnderAPlainHeader) {
    const wm::Shape stereo16{.channels = 2, .bits = 16};  // four bytes a sample
    const wm::Shape mono8{};
    const struct {
        const char* what;
        std::string bytes;
        wm::Shape shape;
        std::size_t data_at, kept;
    } cases[] = {
        {"cut inside a sample", wm::riff(wm::format_chunk(stereo16) + "data" + wm::le(4000, 4) + samples(2003)),
         stereo16, 44, 2000},
        {"4 GiB on a short file", wm::riff(wm::format_chunk(stereo16) + "data" + wm::le(0xFFFFFFFF, 4) + samples(800)),
         stereo16, 44, 800},
        {"data first, among other chunks",
         wm::riff(wm::chunk("LIST", "INFOabc") + "data" + wm::le(7, 4) + samples(7) + '\0' + wm::format_chunk(mono8)),
         mono8, 12 + 16 + 8, 7},
    };
    for (const auto& [what, bytes, shape, data_at, kept] : cases) {
        SCOPED_TRACE(what);
        wm::write(file("SOUND1.WAV"), bytes);
        const std::optional<platform::WavSound> sound = platform::wav_file_sound(file("SOUND1.WAV"));
        ASSERT_TRUE(sound);
        ASSERT_TRUE(platform::write_whole_wav(file("SOUND1.WAV"), *sound, file("copy.wav")));
        const std::string data = bytes.substr(data_at, kept);
        const std::string padding = kept % 2 != 0 ? std::string(1, '\0') : "";
        EXPECT_EQ(contents_of(file("copy.wav")),
                  wm::riff(wm::format_chunk(shape) + "data" + wm::le(static_cast<std::uint32_t>(kept), 4) + data +
                           padding));
    }
}

// A file that shrank after its sound was read: the copy takes what is left
// and says so; with nothing left, or no file, or nowhere to write, there is
// no copy.
TEST_F(WholeWav, TakesWhatIsLeftOfAFileThatShrankOrNone) {
    const wm::Shape shape{.bits = 16};
    const std::string bytes = wm::riff(wm::format_chunk(shape) + wm::chunk("data", samples(1000)));
    wm::write(file("SOUND1.WAV"), bytes);
    const std::optional<platform::WavSound> sound = platform::wav_file_sound(file("SOUND1.WAV"));
    ASSERT_TRUE(sound);

    fs::resize_file(file("SOUND1.WAV"), 44 + 601);
    ASSERT_TRUE(platform::write_whole_wav(file("SOUND1.WAV"), *sound, file("copy.wav")));
    EXPECT_EQ(contents_of(file("copy.wav")),
              wm::riff(wm::format_chunk(shape) + wm::chunk("data", bytes.substr(44, 600))));

    fs::resize_file(file("SOUND1.WAV"), 44 + 1);
    EXPECT_FALSE(platform::write_whole_wav(file("SOUND1.WAV"), *sound, file("copy.wav")));
    EXPECT_FALSE(platform::write_whole_wav(file("SOUND9.WAV"), *sound, file("copy.wav")));
    wm::write(file("SOUND1.WAV"), bytes);
    EXPECT_FALSE(platform::write_whole_wav(file("SOUND1.WAV"), *sound, file("nowhere") / "copy.wav"));
}
