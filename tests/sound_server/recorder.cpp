#include "tests/sound_server/recorder.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <string>
#include <vector>

namespace sound_server {

Recorder::Recorder(std::filesystem::path wav) : wav_(std::move(wav)) {
    parec_ = ::fork();
    if (parec_ != 0) return;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::vector<std::string> words{"parec", "-d", "course.monitor", "--format=s16le", "--rate=48000",
                                   "--channels=1", "--latency-msec=20", "--file-format=wav", wav_.string()};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execvp("parec", argv.data());
    std::_Exit(127);
}

bool Recorder::recording() const {
    constexpr std::uintmax_t kHeaderAndATwentiethOfASecond = 44 + 48000 * 2 / 20;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::error_code unknown;
    while (parec_ > 0 && std::chrono::steady_clock::now() < deadline) {
        if (std::filesystem::file_size(wav_, unknown) > kHeaderAndATwentiethOfASecond) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

const std::filesystem::path& Recorder::stop() {
    if (parec_ > 0) {
        ::kill(parec_, SIGINT);
        ::waitpid(parec_, nullptr, 0);
        parec_ = -1;
    }
    return wav_;
}

Recorder::~Recorder() { stop(); }

}  // namespace sound_server
