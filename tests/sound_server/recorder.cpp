#include "tests/sound_server/recorder.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <fstream>

namespace sound_server {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kBytesPerSecond = kSpeakersRate * 2;
// The speakers write a little ahead of the clock; a recording further off it
// than this is set back on it.
constexpr auto kOffTheClock = 100ms;

std::size_t bytes_in(Clock::duration time) {
    return static_cast<std::size_t>(std::chrono::duration_cast<std::chrono::microseconds>(time).count()) *
           kBytesPerSecond / 1'000'000 / 2 * 2;
}

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xff);
}

std::string wav_header(std::size_t data) {
    std::string header = "RIFF";
    put(header, static_cast<std::uint32_t>(36 + data), 4);
    header += "WAVEfmt ";
    put(header, 16, 4);
    put(header, 1, 2);  // PCM
    put(header, 1, 2);  // mono
    put(header, kSpeakersRate, 4);
    put(header, kBytesPerSecond, 4);
    put(header, 2, 2);
    put(header, 16, 2);
    header += "data";
    put(header, static_cast<std::uint32_t>(data), 4);
    return header;
}

}  // namespace

Recorder::Recorder(std::filesystem::path wav, std::filesystem::path speakers) : wav_(std::move(wav)) {
    const int pipe = ::open(speakers.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (pipe < 0) {
        ended_ = true;
        return;
    }
    thread_ = std::thread([this, pipe] {
        record(pipe);
        ::close(pipe);
        ended_ = true;
    });
}

// What the pipe held before is older than the recording and is passed over.
// Each piece read ends about now.  What the clock has run past the samples
// before it, the speakers did not play (a server stopped, or one that writes
// only while it plays): silence.  What runs ahead of the clock was written
// all at once, as a server woken from a stop makes up for the time it lost
// with silence: as much of its silence as it runs ahead is left out.
void Recorder::record(int pipe) {
    std::array<char, 65536> piece;
    while (::read(pipe, piece.data(), piece.size()) > 0) {
    }
    const auto start = Clock::now();
    begun_ = true;
    for (pollfd waiting{pipe, POLLIN, 0}; !stopping_;) {
        if (::poll(&waiting, 1, 20) <= 0) continue;
        const ssize_t got = ::read(pipe, piece.data(), piece.size());
        if (got <= 0) continue;
        const std::size_t due = bytes_in(Clock::now() - start), off = bytes_in(kOffTheClock);
        if (due > samples_.size() + got + off) samples_.append(due - samples_.size() - got, '\0');
        std::size_t ahead = samples_.size() + got > due + off ? samples_.size() + got - due - off : 0;
        for (ssize_t at = 0; at + 1 < got; at += 2) {
            const bool silent = piece[at] == 0 && piece[at + 1] == 0;
            if (silent && ahead >= 2) ahead -= 2;
            else samples_.append(piece.data() + at, 2);
        }
    }
}

bool Recorder::recording() const {
    const auto deadline = Clock::now() + 10s;
    while (!begun_ && !ended_ && Clock::now() < deadline) std::this_thread::sleep_for(10ms);
    return begun_;
}

const std::filesystem::path& Recorder::stop() {
    if (!thread_.joinable()) return wav_;
    stopping_ = true;
    thread_.join();
    std::ofstream(wav_, std::ios::binary) << wav_header(samples_.size()) << samples_;
    return wav_;
}

Recorder::~Recorder() { stop(); }

}  // namespace sound_server
