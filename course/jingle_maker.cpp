// jingle-maker OUT.WAV: writes the short bright jingle that celebrates a right
// answer: three rising notes, each a soft sine that rings out, 0.8 s of 16-bit
// mono PCM at 22050 Hz.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "platform/tool_options.h"

namespace {

constexpr std::string_view kUsage =
    "usage: jingle-maker OUT.WAV   writes the jingle of a right answer\n";

constexpr int kSampleRate = 22050;
constexpr double kLength = 0.8;     // seconds
constexpr double kAttack = 0.006;   // seconds to full loudness, so no click
constexpr double kLoudness = 0.28;  // of full scale per note; three together stay below 1

struct Note {
    double start;     // seconds
    double pitch;     // Hz
    double ring_out;  // seconds for the note to fall to about a third
};

// C, E and G a little above the middle of the piano, the last one held.
constexpr std::array kNotes{Note{0.00, 523.25, 0.10}, Note{0.13, 659.25, 0.10},
                            Note{0.26, 783.99, 0.22}};

double note_at(const Note& note, double time) {
    const double t = time - note.start;
    if (t < 0.0) return 0.0;
    const double envelope = std::min(1.0, t / kAttack) * std::exp(-t / note.ring_out);
    const double phase = 2.0 * std::numbers::pi * note.pitch * t;
    // a touch of the octave above makes the tone brighter
    return kLoudness * envelope * (std::sin(phase) + 0.25 * std::sin(2.0 * phase));
}

std::vector<std::int16_t> jingle() {
    const int count = static_cast<int>(kLength * kSampleRate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double time = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (const Note& note : kNotes) sum += note_at(note, time);
        // the last few milliseconds fade to silence
        const double tail = std::min(1.0, (kLength - time) / 0.02);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(std::clamp(sum * tail, -1.0, 1.0) * 32767.0));
    }
    return samples;
}

void put_le(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string wave_file(const std::vector<std::int16_t>& samples) {
    const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    put_le(bytes, 36 + data_size, 4);
    bytes += "WAVEfmt ";
    put_le(bytes, 16, 4);               // format block size
    put_le(bytes, 1, 2);                // PCM
    put_le(bytes, 1, 2);                // mono
    put_le(bytes, kSampleRate, 4);
    put_le(bytes, kSampleRate * 2, 4);  // bytes per second
    put_le(bytes, 2, 2);                // bytes per sample
    put_le(bytes, 16, 2);               // bits per sample
    bytes += "data";
    put_le(bytes, data_size, 4);
    for (std::int16_t sample : samples) put_le(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = platform::answer_options(argc, argv, kUsage)) return *answered;
    if (argc != 2) return platform::refuse_call(kUsage);
    const std::string bytes = wave_file(jingle());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "jingle-maker: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
