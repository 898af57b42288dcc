// Narration through the sound device and the pupil's speakers on a real
// sound server, as the pupil hears it: the course's own shortest lines,
// each closed a tenth of a second after its voice ends, as a page that
// leaves a line just room enough does.  What the server's speakers played
// is read from their pipe as they play it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/sound_thread.h"
#include "tests/sound_server/recorder.h"
#include "tests/sound_server/sound_server.h"
#include "tests/support/voiced.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr milliseconds kAfterItsVoice = 100ms;
// Longer than any pause inside a line.
constexpr milliseconds kApart = 1500ms;
// What the recording of a whole sound may miss at its onset, in frames: the
// frame its first sample falls in may be cut by the recording's frames.
constexpr std::size_t kRecordingsOnset = 1;

// Short lines whose last words a late or cut sound loses first, a long one,
// and the jingle of a right answer.
constexpr const char* kNarrations[] = {"expr-build/SOUND5.WAV",   "expr-build/SOUND12.WAV", "symmetry/SOUND4.WAV",
                                       "ratio-value/SOUND36.WAV", "frac-divide/SOUND4.WAV", "expr-build/SOUND1.WAV",
                                       "expr-solve-2/SOUND80.WAV"};
constexpr const char* kReference = "expr-solve-2/SOUND80.WAV";
// A line cut off in a pause of its own (silent from 1.34 s to 1.74 s).
constexpr const char* kCut = "frac-divide/SOUND4.WAV";
constexpr milliseconds kCutsPause = 1540ms;

class Narration : public ::testing::Test {
protected:
    static fs::path file(std::string_view name) { return fs::path(COURSE_SOUNDS_DIR) / name; }

    platform::RealClock clock_;
    platform::SoundThread speakers_;
    platform::SoundDevice sound_{speakers_, clock_, [](std::string_view name) -> std::optional<fs::path> {
                                     return fs::exists(file(name)) ? std::optional(file(name)) : std::nullopt;
                                 }};
};

// The recording is trusted as far as a player that hands the server the
// whole file at once is heard in it: the pass jingle played by paplay comes
// first.  Loud from its first sample, it shows that the recording misses
// nothing of a line's onset; a line may miss no more than it.  The lines lie
// far enough apart to be told apart.
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
    ASSERT_LE(onset, kRecordingsOnset) << "frames of paplay's jingle missing from the recording";
    for (std::size_t line = 1; line < parts.size(); ++line) {
        SCOPED_TRACE(kNarrations[line - 1]);
        // A frame at each end of a line may fall either way of the recording's
        // frames (and so may one at each pause inside it, which only adds).
        EXPECT_GE(parts[line] + 2 + onset, voiced[line]) << "voiced frames heard";
    }
}

// A line loud from its first sample, played as soon as the line before is cut
// off, is heard from its first sample: the speakers start it where the cut
// line stopped, nothing of it lost.  The line before is cut in a pause, so
// that all it leaves in the recording is what it said before the cut.
TEST_F(Narration, ALineRightAfterACutIsHeardFromItsFirstSample) {
    const std::optional<harness::VoicedSound> cut = harness::voiced_sound(file(kCut));
    const std::optional<harness::VoicedSound> jingle = harness::voiced_sound(file(kReference));
    ASSERT_TRUE(cut && jingle);
    ASSERT_EQ(cut->voiced_between(kCutsPause - 150ms, kCutsPause + 150ms), 0u) << kCut << " pauses there";
    sound_server::Recorder recorder(fs::temp_directory_path() / "after-a-cut.wav");
    ASSERT_TRUE(recorder.recording());
    ASSERT_TRUE(sound_.send(std::string("open ") + kCut + " alias wave1"));
    ASSERT_TRUE(sound_.send("play wave1"));
    clock_.sleep(kCutsPause);
    sound_.send("close wave1");
    ASSERT_TRUE(sound_.send(std::string("open ") + kReference + " alias wave1"));
    ASSERT_TRUE(sound_.send("play wave1"));
    clock_.sleep(jingle->length() + kApart);
    sound_.send("close wave1");
    const std::optional<harness::VoicedSound> heard = harness::voiced_sound(recorder.stop());
    ASSERT_TRUE(heard);
    // Two frames at each end of the two parts, as above.
    EXPECT_GE(heard->voiced() + 4, cut->voiced_between(0ms, kCutsPause) + jingle->voiced());
}

// The server holds the whole line once the page has played it and waited
// the little a background narration waits: the player is stopped then (the
// child process below), and the server plays the line to its end alone.
// The page's close leaves it nothing of the line.
TEST_F(Narration, AStoppedPlayersLineIsHeardWholeAndItsCloseLeavesTheServerNoStream) {
    for (const char* name : {kCut, kReference}) {
        SCOPED_TRACE(name);
        const std::optional<harness::VoicedSound> line = harness::voiced_sound(file(name));
        ASSERT_TRUE(line);
        sound_server::Recorder recorder(fs::temp_directory_path() / "stopped-player.wav");
        ASSERT_TRUE(recorder.recording());
        const pid_t player = ::fork();
        if (player == 0) {
            ::execl("/proc/self/exe", "sound_server_tests", sound_server::kPlayThenStop, file(name).c_str(), nullptr);
            std::_Exit(127);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(player, &status, WUNTRACED), player);
        ASSERT_TRUE(WIFSTOPPED(status)) << "the player did not play the line";
        clock_.sleep(line->length() + 500ms);
        EXPECT_EQ(sound_server::streams_of(player), 1) << "while the stopped player holds the line open";
        ::kill(player, SIGCONT);
        ASSERT_EQ(::waitpid(player, &status, WUNTRACED), player);
        EXPECT_EQ(sound_server::streams_of(player), 0) << "after its close";
        ::kill(player, SIGCONT);
        ASSERT_EQ(::waitpid(player, &status, 0), player);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "its close failed";
        const std::optional<harness::VoicedSound> heard = harness::voiced_sound(recorder.stop());
        ASSERT_TRUE(heard);
        EXPECT_GE(heard->voiced() + 2, line->voiced()) << "voiced frames heard";
    }
}

}  // namespace
