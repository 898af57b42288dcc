#include "platform/whole_wav.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>


#include "tests/platform/wav_maker.h"

namespace {

namespace fs = std::filesystem;
namespace wm = wav_maker;

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

// The samples read are exactly the whole samples the file holds, whatever
// its header claimed and wherever its data lay.
TEST_F(WholeWav, HoldsTheWholeSamplesThereAre) {
    const wm::Shape stereo16{.channels = 2, .bits = 16};  // four bytes a sample
    const struct {
        const char* what;
        std::string bytes;
        std::size_t data_at, kept;
    } cases[] = {
        {"cut inside a sample", wm::riff(wm::format_chunk(stereo16) + "data" + wm::le(4000, 4) + samples(2003)), 44,
         2000},
        {"4 GiB on a short file", wm::riff(wm::format_chunk(stereo16) + "data" + wm::le(0xFFFFFFFF, 4) + samples(800)),
         44, 800},
        {"data first, among other chunks",
         wm::riff(wm::chunk("LIST", "INFOabc") + "data" + wm::le(7, 4) + samples(7) + '\0' + wm::format_chunk({})),
         12 + 16 + 8, 7},
    };
    for (const auto& [what, bytes, data_at, kept] : cases) {
        SCOPED_TRACE(what);
        wm::write(file("SOUND1.WAV"), bytes);
        const std::optional<platform::WavSound> sound = platform::wav_file_sound(file("SOUND1.WAV"));
        ASSERT_TRUE(sound);
        EXPECT_EQ(platform::whole_samples(file("SOUND1.WAV"), *sound), bytes.substr(data_at, kept));
    }
}

// A file that shrank after its sound was read: what is left of it is read;
// with nothing left, or no file, there are no samples.
TEST_F(WholeWav, TakesWhatIsLeftOfAFileThatShrankOrNone) {
    const std::string bytes = wm::riff(wm::format_chunk({.bits = 16}) + wm::chunk("data", samples(1000)));
    wm::write(file("SOUND1.WAV"), bytes);
    const std::optional<platform::WavSound> sound = platform::wav_file_sound(file("SOUND1.WAV"));
    ASSERT_TRUE(sound);

    fs::resize_file(file("SOUND1.WAV"), 44 + 601);
    EXPECT_EQ(platform::whole_samples(file("SOUND1.WAV"), *sound), bytes.substr(44, 600));
    fs::resize_file(file("SOUND1.WAV"), 44 + 1);
    EXPECT_FALSE(platform::whole_samples(file("SOUND1.WAV"), *sound));
    EXPECT_FALSE(platform::whole_samples(file("SOUND9.WAV"), *sound));
}
