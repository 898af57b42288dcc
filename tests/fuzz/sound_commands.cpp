// Command strings to the narration player, one a line, on a drive with a
// sound, files that only look like sounds and a way out of the drive: no
// command fails but by returning false, and no wait is longer than the
// longest sound.
#include <chrono>

#include "platform/audio_backend_recording.h"
#include "platform/clock.h"
#include "platform/drive_view.h"
#include "platform/sound_device.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/platform/wav_maker.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kLongestSound = 500ms;

struct Drive {
    fuzz::ScratchFolder top{"sound-commands"};
    fs::path drive_c = top.path() / "drive_c";
    fs::path unit = drive_c / "SANSU" / "ROKU1" / "ES2";

    Drive() {
        fs::create_directories(unit);
        fs::create_directories(top.path() / "outside");
        wav_maker::write(unit / "SOUND1.WAV", wav_maker::silence_ms(kLongestSound.count()));
        wav_maker::write(unit / "SOUND2.WAV", "not a sound");
        wav_maker::write(unit / "SOUND3.WAV", wav_maker::wav({.data_bytes = 8000, .byte_rate = 1}));
        wav_maker::write(top.path() / "outside" / "SOUND4.WAV", wav_maker::silence_ms(900));
        fs::create_directory_symlink("../../../../outside", unit / "out");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Drive drive;
    const platform::DriveView view(drive.drive_c, drive.unit);
    platform::TestClock clock;
    platform::RecordingAudioBackend player;
    platform::SoundDevice sound(player, clock, [&view](std::string_view file) { return view.find(file); });
    const auto commands = fuzz::parts_of(fuzz::text_of(data, size), '\n');
    for (const std::string_view command : commands) sound.send(command);
    for (const auto slept : clock.sleeps()) fuzz::require(slept <= kLongestSound, "no wait outlasts the longest sound");
    return 0;
}
