// The spoken narration as the pages use it: every sound a page names is
// made and says something, and every narration a page plays on while it goes
// on has ended before the page closes it for the next one, so that no
// sentence is cut off.  The pages' pauses are read from their traces, the
// spoken lengths from the sounds the build made.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wav_info.h"
#include "units/course_units.h"

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

// What a page gives a narration it plays in the background: the sleeps from
// its "play" to the next "close", in which the sound must have ended.
struct Slot {
    std::string page;   // the trace's name
    std::string sound;  // "SOUND5.WAV"
    milliseconds length{0};
};

struct PageSounds {
    std::vector<std::string> named;  // every sound the page opens
    std::vector<Slot> closed;        // the background narrations it closes itself
};

// The text between a trace line's fixed beginning and end, if it has them.
std::optional<std::string> between(const std::string& line, std::string_view head,
                                   std::string_view tail) {
    if (line.size() <= head.size() + tail.size() || !line.starts_with(head) ||
        !line.ends_with(tail))
        return std::nullopt;
    return line.substr(head.size(), line.size() - head.size() - tail.size());
}

// A narration played to its end ("play wave1 notify wait") needs no slot;
// one the page leaves playing at its end has none.
PageSounds sounds_of(const fs::path& trace) {
    PageSounds page;
    std::optional<Slot> playing;
    std::ifstream in(trace);
    for (std::string line; std::getline(in, line);) {
        if (const auto sound = between(line, R"(sound "open )", R"( alias wave1")")) {
            page.named.push_back(*sound);
        } else if (line == R"(sound "play wave1")" && !page.named.empty()) {
            playing = Slot{trace.stem().string(), page.named.back()};
        } else if (line.starts_with(R"(sound "play wave1 )")) {
            playing.reset();
        } else if (const auto ms = between(line, "sleep ", "ms"); ms && playing) {
            playing->length += milliseconds(std::stoi(*ms));
        } else if (line == R"(sound "close wave1")" && playing) {
            page.closed.push_back(*playing);
            playing.reset();
        }
    }
    return page;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::uint32_t little_endian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

// How long a 16-bit sound speaks: up to its last sample louder than 3 % of
// full scale, so that the quiet tail a voice leaves does not count.
std::optional<milliseconds> spoken_length(const fs::path& file) {
    const std::string bytes = contents(file);
    std::uint32_t rate = 0, channels = 0, bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = little_endian(bytes, at + 4, 4);
        if (id == "fmt " && size >= 16 && at + 24 <= bytes.size()) {
            channels = little_endian(bytes, at + 10, 2);
            rate = little_endian(bytes, at + 12, 4);
            bits = little_endian(bytes, at + 22, 2);
        } else if (id == "data" && bits == 16 && rate > 0 && channels > 0) {
            const std::size_t end = std::min(bytes.size(), at + 8 + size) & ~std::size_t{1};
            std::size_t loud_end = at + 8;
            for (std::size_t s = at + 8; s + 2 <= end; s += 2) {
                const auto sample = std::int16_t(little_endian(bytes, s, 2));
                if (std::abs(sample) > 32768 * 3 / 100) loud_end = s + 2;
            }
            const std::size_t frames = (loud_end - at - 8) / 2 / channels;
            return milliseconds(frames * 1000 / rate);
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

fs::path traces_of(std::string_view unit) {
    return fs::path(COURSE_TESTS_DIR) / "units" / std::string(unit) / "traces";
}

fs::path sounds_of_unit(std::string_view unit) {
    return fs::path(COURSE_SOUNDS_DIR) / std::string(unit);
}

// Every unit's traced pages, in a stable order.
template <typename Visit>
void for_every_page(Visit visit) {
    for (const frame::Unit* unit : units::course_units()) {
        std::vector<fs::path> traces;
        for (const auto& entry : fs::directory_iterator(traces_of(unit->name)))
            if (entry.path().extension() == ".trace") traces.push_back(entry.path());
        std::ranges::sort(traces);
        for (const fs::path& trace : traces) visit(unit->name, sounds_of(trace));
    }
}

TEST(Narration, EverySoundAPageNamesIsMadeAndSpeaksForASaneTime) {
    int named = 0;
    for_every_page([&](std::string_view unit, const PageSounds& page) {
        for (const std::string& sound : page.named) {
            SCOPED_TRACE(std::string(unit) + " " + sound);
            ++named;
            const fs::path file = sounds_of_unit(unit) / sound;
            const auto played = platform::wav_file_length(file);
            const auto spoken = spoken_length(file);
            ASSERT_TRUE(played && spoken) << file << " is not a 16-bit sound";
            EXPECT_GE(*spoken, milliseconds(300));
            EXPECT_LE(*spoken, milliseconds(20000));
        }
    });
    EXPECT_GT(named, 600);
}

TEST(Narration, EveryBackgroundNarrationEndsATenthOfASecondBeforeItsPageClosesIt) {
    constexpr milliseconds kSpare{100};
    int heard = 0;
    std::optional<milliseconds> least;
    for_every_page([&](std::string_view unit, const PageSounds& page) {
        for (const Slot& slot : page.closed) {
            const auto spoken = spoken_length(sounds_of_unit(unit) / slot.sound);
            if (!spoken) continue;  // the test above names it
            ++heard;
            const milliseconds spare = slot.length - *spoken;
            least = std::min(least.value_or(spare), spare);
            EXPECT_GE(spare, kSpare) << unit << " " << slot.page << " " << slot.sound << ": "
                                     << spoken->count() << " ms spoken in a slot of "
                                     << slot.length.count() << " ms";
        }
    });
    EXPECT_GT(heard, 600);
    RecordProperty("least_spare_ms", std::to_string(least.value_or(milliseconds(0)).count()));
}

}  // namespace
