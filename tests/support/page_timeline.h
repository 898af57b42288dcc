#pragma once
// A page's trace laid out in page time, the sum of its pauses: when each
// narration starts and stops speaking (the spoken length of the sound the
// build made), what it says (the unit's narration.txt), and when each
// drawing is made.  Drawing itself takes no page time.

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace harness {

using std::chrono::milliseconds;

struct Narration {
    std::string sound;                    // "SOUND5.WAV"
    std::string sentence;                 // what it says; empty for a sound with no line
    milliseconds start{0};
    milliseconds end{0};                  // when its voice falls silent, or it is closed
    bool waits = false;                   // the page waits for its end
    std::optional<milliseconds> closed{}; // when the page closes it while it plays on
};

struct Drawing {
    milliseconds at{0};
    std::string line;                // the trace's line
    std::vector<int> colours;        // the palette indexes it draws in
    std::vector<std::string> texts;  // the texts it writes
    bool erases = false;             // it draws only in the background colour
};

struct PageTimeline {
    std::vector<std::string> opened;  // every sound the page opens, in order
    std::vector<Narration> narrations;
    std::vector<Drawing> drawings;    // on the canvas and the windows pages compose on
};

// Sound number -> sentence, from a narration file ("5<TAB>[1.2<TAB>]sentence").
std::map<int, std::string> narration_sentences(const std::filesystem::path& file);

// The page's trace in time, its sounds found in `sounds`.
PageTimeline page_timeline(const std::filesystem::path& trace, const std::filesystem::path& sounds,
                           const std::map<int, std::string>& sentences);

// How long a 16-bit sound speaks: up to its last sample louder than 3 % of
// full scale, so that the quiet tail a voice leaves does not count.
std::optional<milliseconds> spoken_length(const std::filesystem::path& sound);

// The numbers written in a text, as written: half-width or full-width
// digits, with a decimal point ("12", "3.14", "０．５" -> "0.5").
std::vector<std::string> numbers_in(const std::string& text);

}  // namespace harness
