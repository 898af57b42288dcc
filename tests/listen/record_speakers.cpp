// record-speakers: what a sound server's pipe sink plays, as it plays it,
// into a 16-bit mono WAV until the tool is interrupted (SIGINT or SIGTERM);
// a stretch in which the server wrote nothing is silence of its length.
//
//   record-speakers PIPE RECORDING
#include <signal.h>

#include <cstdio>
#include <string_view>

#include "platform/tool_options.h"
#include "tests/sound_server/recorder.h"

namespace {

constexpr std::string_view kUsage =
    "usage: record-speakers PIPE RECORDING\n"
    "Records what a sound server's pipe sink (16-bit mono, 48000 Hz) plays into the\n"
    "WAV file RECORDING, from when it has begun (\"recording\" on standard output)\n"
    "until it is interrupted; a stretch in which the server wrote nothing is\n"
    "recorded as silence of its length.  Run by scripts/listen.\n";

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = platform::answer_options(argc, argv, kUsage)) return *status;
    if (argc != 3) return platform::refuse_call(kUsage);
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    sound_server::Recorder recorder(argv[2], argv[1]);
    if (!recorder.recording()) {
        std::fprintf(stderr, "record-speakers: %s cannot be read\n", argv[1]);
        return 1;
    }
    std::printf("recording\n");
    std::fflush(stdout);
    int signal = 0;
    ::sigwait(&ending, &signal);
    recorder.stop();
    return 0;
}
