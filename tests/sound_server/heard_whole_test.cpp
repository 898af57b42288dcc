// Narration through the sound device and the pupil's speakers on a real
// sound server, as the pupil hears it: the course's own shortest lines,
// each closed a tenth of a second after its voice ends, as a page that
// leaves a line just room enough does.  What the server's speakers played
// is recorded from its null sink's monitor.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "platform/audio_backend_qt.h"
#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/wav_info.h"
#include "tests/sound_server/recorder.h"
#include "tests/sound_server/sound_server.h"
#include "tests/support/voiced.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr milliseconds kAfterItsVoice = 100ms;
constexpr milliseconds kOnTime = 20ms;
// Longer than any pause inside a line.
constexpr milliseconds kApart = 1500ms;
// What the recording of a whole sound may miss at its onset, in frames.
constexpr std::size_t kMonitorsOnset = 4;

// Short lines whose last words a late or cut sound loses first, a long one,
// and the jingle of a right answer.
constexpr const char* kNarrations[] = {"expr-build/SOUND5.WAV",   "expr-build/SOUND12.WAV", "symmetry/SOUND4.WAV",
                                       "ratio-value/SOUND36.WAV", "frac-divide/SOUND4.WAV", "expr-build/SOUND1.WAV",
                                       "expr-solve-2/SOUND80.WAV"};
constexpr const char* kReference = "expr-solve-2/SOUND80.WAV";

class Narration : public ::testing::Test {
protected:
    static fs::path file(std::string_view name) { return fs::path(COURSE_SOUNDS_DIR) / name; }

    milliseconds timed(const std::string& command) {
        const auto start = std::chrono::steady_clock::now();
        sound_.send(command);
        return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    }

    platform::RealClock clock_;
    platform::QtAudioBackend speakers_;
    platform::SoundDevice sound_{speakers_, clock_, [](std::string_view name) -> std::optional<fs::path> {
                                     return fs::exists(file(name)) ? std::optional(file(name)) : std::nullopt;
                                 }};
};

milliseconds median(std::vector<milliseconds> times) {
    std::ranges::sort(times);
    return times[times.size() / 2];
}

// What the server holds of its one stream and has not played yet, by its
// own account: what waits in the stream and what its sink has taken of it
// to play; nothing when it plays no stream.
std::optional<milliseconds> held_by_the_server() {
    FILE* pactl = ::popen("pactl list sink-inputs", "r");
    std::string listing;
    char piece[512];
    while (pactl != nullptr && std::fgets(piece, sizeof piece, pactl) != nullptr) listing += piece;
    if (pactl != nullptr) ::pclose(pactl);
    const auto usec_after = [&](std::string_view label) -> std::optional<long long> {
        const std::size_t at = listing.find(label);
        if (at == std::string::npos) return std::nullopt;
        return std::stoll(listing.substr(at + label.size()));
    };
    const auto buffered = usec_after("Buffer Latency: "), in_the_sink = usec_after("Sink Latency: ");
    if (!buffered || !in_the_sink) return std::nullopt;
    return std::chrono::duration_cast<milliseconds>(std::chrono::microseconds(*buffered + *in_the_sink));
}

// The recording is trusted as far as a player that hands the server the
// whole file at once is heard in it: the pass jingle played by paplay comes
// first.  Loud from its first sample, it shows what the recording may miss of
// a line's onset, as the server's monitor joins a new stream a frame or two
// late; a line may miss no more than that.  The lines lie far enough apart to
// be told apart.
TEST_F(Narration, EachLineIsHeardWholeWhenClosedJustAfterItsVoiceEnds) {
    const fs::path recording = fs::temp_directory_path() / "heard.wav";
    sound_server::Recorder recorder(recording);
    ASSERT_TRUE(recorder.recording());
    ASSERT_EQ(std::system(("paplay " + file(kReference).string()).c_str()), 0);
    clock_.sleep(kApart);
    std::vector<std::size_t> voiced{harness::voiced_sound(file(kReference))->voiced()};
    for (const char* name : kNarrations) {
        const std::optional<harness::VoicedSound> line = harness::voiced_sound(file(name));
        ASSERT_TRUE(line && line->voiced() > 0) << name;
        voiced.push_back(line->voiced());
        ASSERT_TRUE(sound_.send(std::string("open ") + name + " alias wave1"));
        ASSERT_TRUE(sound_.send("play wave1"));
        clock_.sleep(line->spoken_end() + kAfterItsVoice);
        sound_.send("close wave1");
        clock_.sleep(kApart);
    }
    const std::optional<harness::VoicedSound> heard = harness::voiced_sound(recorder.stop());
    ASSERT_TRUE(heard);
    const std::vector<std::size_t> parts = harness::voiced_parts(*heard, kApart / 2);
    ASSERT_EQ(parts.size(), voiced.size()) << "lines heard apart";
    const std::size_t onset = voiced[0] - std::min(voiced[0], parts[0]);
    ASSERT_LE(onset, kMonitorsOnset) << "frames of paplay's jingle missing from the recording";
    for (std::size_t line = 1; line < parts.size(); ++line) {
        SCOPED_TRACE(kNarrations[line - 1]);
        // A frame at each end of a line may fall either way of the recording's
        // frames (and so may one at each pause inside it, which only adds).
        EXPECT_GE(parts[line] + 2 + onset, voiced[line]) << "voiced frames heard";
    }
}

// The page's play comes back once the server holds the whole line, and its
// close once the server has let go of it, both within a frame of the screen.
TEST_F(Narration, PlayHandsTheServerTheWholeLineAndCloseTakesItAway) {
    std::vector<milliseconds> plays, closes;
    for (const char* name : kNarrations) {
        SCOPED_TRACE(name);
        const std::optional<milliseconds> length = platform::wav_file_length(file(name));
        ASSERT_TRUE(length);
        ASSERT_TRUE(sound_.send(std::string("open ") + name + " alias wave1"));
        plays.push_back(timed("play wave1"));
        const auto played = std::chrono::steady_clock::now();
        const std::optional<milliseconds> held = held_by_the_server();
        ASSERT_TRUE(held);
        // What it has played meanwhile, while the question was answered, it holds no more.
        const auto meanwhile = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - played);
        EXPECT_GE(*held + meanwhile + 50ms, *length);
        clock_.sleep(300ms);
        closes.push_back(timed("close wave1"));
        EXPECT_FALSE(held_by_the_server());
    }
    EXPECT_LE(median(plays), kOnTime);
    EXPECT_LE(median(closes), kOnTime);
}

}  // namespace
