#include "platform/sound_device.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/audio_backend_recording.h"
#include "platform/sound_thread.h"
#include "tests/platform/wav_maker.h"

using namespace std::chrono_literals;
using platform::SoundDevice;
using Strings = std::vector<std::string>;

namespace {

// A current folder with three narrations and two files that only look like one.
class SoundFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wav_maker::write(file("SOUND1.WAV"), wav_maker::silence_ms(500));
        wav_maker::write(file("SOUND80.WAV"), wav_maker::silence_ms(1200));
        wav_maker::write(file("MY SOUND.WAV"), wav_maker::silence_ms(300));
        wav_maker::write(file("SOUND2.WAV"), "not a sound at all");
        // Six hours by its stated byte rate, which its other numbers belie.
        wav_maker::write(file("SOUND3.WAV"), wav_maker::wav({.sample_rate = 22050, .data_bytes = 22050,
                                                             .byte_rate = 1}));
        // Ten minutes and a second of 8 kHz sound, all but the first second
        // never written: the file only says it is that long.
        wav_maker::write(file("SOUND4.WAV"), wav_maker::silence_ms(1000));
        std::filesystem::resize_file(file("SOUND4.WAV"), 44 + 8 * 601'000);
        std::fstream(file("SOUND4.WAV"), std::ios::binary | std::ios::in | std::ios::out)
            .seekp(40) << wav_maker::le(8 * 601'000, 4);
        // A header alone; five minutes of 96 kHz 16-bit stereo, as large as
        // ten minutes of 48 kHz, and one sample more, mostly never written.
        wav_maker::write(file("SOUND5.WAV"), wav_maker::silence_ms(1000).substr(0, 44));
        write_large("SOUND6.WAV", kLargest + 4);
        write_large("SOUND8.WAV", kLargest);
        // Half copied: a second of sound in its header, half of it in the file.
        wav_maker::write(file("SOUND7.WAV"), wav_maker::silence_ms(1000).substr(0, 44 + 4000));
    }

    static constexpr std::uint32_t kLargest = 600 * 48000 * 2 * 2;

    void write_large(std::string_view name, std::uint32_t data_bytes) const {
        const wav_maker::Shape shape{.channels = 2, .sample_rate = 96000, .bits = 16};
        wav_maker::write(file(name), wav_maker::riff(wav_maker::format_chunk(shape)) + "data" +
                                         wav_maker::le(data_bytes, 4));
        std::filesystem::resize_file(file(name), 44 + data_bytes);
    }

    std::filesystem::path file(std::string_view name) const {
        return std::filesystem::path(folder_.path().toStdString()) / name;
    }

    // Like the drive view: missing files are nothing, a way out is refused.
    SoundDevice::FileResolver resolver() const {
        return [this](std::string_view name) -> std::optional<std::filesystem::path> {
            if (name.starts_with("..")) throw std::runtime_error("outside the drive");
            return std::filesystem::exists(file(name)) ? std::optional(file(name)) : std::nullopt;
        };
    }

    QTemporaryDir folder_;
    platform::TestClock clock_;
    platform::RecordingAudioBackend backend_;
    SoundDevice sound_{backend_, clock_, resolver()};
};

}  // namespace

TEST_F(SoundFolder, PlayToTheEndWaitsForTheSoundsOwnLength) {
    EXPECT_TRUE(sound_.send("open SOUND1.WAV alias wave1"));
    EXPECT_TRUE(sound_.send("play wave1 notify wait"));
    EXPECT_TRUE(sound_.send("play wave1"));         // in the background
    EXPECT_TRUE(sound_.send("play wave1 notify"));  // told when done, not waited for
    EXPECT_TRUE(sound_.send("close wave1"));
    EXPECT_TRUE(sound_.send("open SOUND7.WAV alias wave1"));  // as much as it holds
    EXPECT_TRUE(sound_.send("play wave1 notify wait"));
    EXPECT_TRUE(sound_.send("open SOUND8.WAV alias wave2"));  // the largest there may be
    EXPECT_TRUE(sound_.send("play wave2 notify wait"));
    EXPECT_EQ(clock_.sleeps(), (std::vector<std::chrono::milliseconds>{500ms, 500ms, 300s}));
    EXPECT_EQ(backend_.steps(), (Strings{"load wave1 " + file("SOUND1.WAV").string(), "play wave1",
                                         "play wave1", "play wave1", "close wave1",
                                         "load wave1 " + file("SOUND7.WAV").string(), "play wave1",
                                         "load wave2 " + file("SOUND8.WAV").string(), "play wave2"}));
}

TEST_F(SoundFolder, FailingCommandsAreSilentLoggedAndTheNextOnesStillWork) {
    const Strings failing{"open SOUND3.WAV alias wave1",  "play wave1 notify wait",
                          "open SOUND4.WAV alias wave1",  "play wave1 notify wait",
                          "open SOUND5.WAV alias wave1",  "play wave1 notify wait",
                          "open SOUND6.WAV alias wave1",  "play wave1 notify wait",
                          "open SOUND9.WAV alias wave1",  "play wave1 notify wait",
                          "open SOUND2.WAV alias wave1",  "open ..\\SOUND1.WAV alias wave1",
                          "open alias wave1",             "open SOUND1.WAV wave1",
                          "play wave7",                   "close wave1",
                          "stop wave1",                   "   "};
    for (const std::string& command : failing) {
        EXPECT_FALSE(sound_.send(command)) << command;
    }
    EXPECT_TRUE(backend_.steps().empty());

    EXPECT_TRUE(sound_.send("open SOUND1.WAV alias wave1"));
    EXPECT_FALSE(sound_.send("play wave1 loudly"));
    EXPECT_FALSE(sound_.send("close wave1 now"));
    EXPECT_TRUE(sound_.send("play wave1 notify wait"));
    EXPECT_EQ(clock_.sleeps(), (std::vector{500ms}));

    Strings sent = failing;
    sent.insert(sent.end(), {"open SOUND1.WAV alias wave1", "play wave1 loudly", "close wave1 now",
                             "play wave1 notify wait"});
    EXPECT_EQ(backend_.commands(), sent);
}

TEST_F(SoundFolder, OpeningAnOpenAliasClosesTheOldSoundFirst) {
    EXPECT_TRUE(sound_.send("open SOUND1.WAV alias wave1"));
    EXPECT_TRUE(sound_.send("open SOUND80.WAV alias wave1"));
    EXPECT_TRUE(sound_.send("play wave1 notify wait"));
    EXPECT_EQ(clock_.sleeps(), (std::vector{1200ms}));
    EXPECT_EQ(backend_.steps(), (Strings{"load wave1 " + file("SOUND1.WAV").string(), "close wave1",
                                         "load wave1 " + file("SOUND80.WAV").string(), "play wave1"}));

    // A failed open closes the old sound all the same.
    EXPECT_FALSE(sound_.send("open SOUND9.WAV alias wave1"));
    EXPECT_EQ(backend_.steps().back(), "close wave1");
    EXPECT_FALSE(sound_.send("play wave1"));
}

TEST_F(SoundFolder, ReadsKeywordsAndAliasesInAnyCaseAndQuotedNames) {
    EXPECT_TRUE(sound_.send("OPEN \"MY SOUND.WAV\" ALIAS Wave1"));
    EXPECT_TRUE(sound_.send("Play WAVE1  Notify  Wait"));
    EXPECT_TRUE(sound_.send("open SOUND1.WAV alias wave2"));
    EXPECT_TRUE(sound_.send("play WAVE2 wait"));
    EXPECT_TRUE(sound_.send("open SOUND1.WAV alias AZ"));  // every letter, A to Z
    EXPECT_TRUE(sound_.send("close az"));
    EXPECT_TRUE(sound_.send("close wave1"));
    EXPECT_TRUE(sound_.send("play wave2"));  // the other alias stays open
    EXPECT_EQ(clock_.sleeps(), (std::vector{300ms, 500ms}));
}

TEST_F(SoundFolder, WithoutAnAudioDeviceEverySoundIsSilentAndNothingWaits) {
    platform::RecordingAudioBackend no_device(platform::AudioDevice::Missing);
    SoundDevice sound(no_device, clock_, resolver());
    EXPECT_FALSE(sound.send("open SOUND1.WAV alias wave1"));
    EXPECT_FALSE(sound.send("play wave1 notify wait"));
    EXPECT_TRUE(clock_.sleeps().empty());
}

// The pupil's speakers on this machine, which may well have no sound server:
// playing to the end must come back, whatever the server does.
TEST_F(SoundFolder, ThePupilsSpeakersComeBackFromPlayingToTheEnd) {
    wav_maker::write(file("SHORT.WAV"), wav_maker::silence_ms(200));
    platform::SoundThread speakers;
    platform::RealClock clock;
    SoundDevice sound(speakers, clock, resolver());
    const bool has_device = sound.send("open SHORT.WAV alias wave1");
    EXPECT_EQ(sound.send("play wave1 notify wait"), has_device);
    EXPECT_EQ(sound.send("close wave1"), has_device);
    EXPECT_FALSE(sound.send("open SOUND2.WAV alias wave1"));
}
