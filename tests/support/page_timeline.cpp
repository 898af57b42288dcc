#include "tests/support/page_timeline.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/wav_info.h"

namespace harness {
namespace {

namespace fs = std::filesystem;

// The lesson palette's colours as a flood fill's line writes them.
constexpr std::array<std::string_view, 16> kLessonColours = {
    "#008000", "#0000ff", "#ff0000", "#ff00ff", "#00ff00", "#00ffff", "#ffff00", "#ffffff",
    "#000080", "#800000", "#940094", "",        "#008080", "#ff80ff", "#80ff80", "#808080"};

std::optional<std::string> between(const std::string& line, std::string_view head,
                                   std::string_view tail) {
    if (line.size() <= head.size() + tail.size() || !line.starts_with(head) ||
        !line.ends_with(tail))
        return std::nullopt;
    return line.substr(head.size(), line.size() - head.size() - tail.size());
}

bool all_digits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// A drawing's colours and texts, read from its line: a text or cell text
// line quotes its text (a picture line its picture's name), the colours are its cN, fillN and bgN words
// and the #rrggbb a flood fill fills with.  A text's background counts only when it
// is not the background colour.
Drawing drawing_of(milliseconds at, const std::string& line) {
    Drawing drawing;
    drawing.at = at;
    drawing.line = line;
    std::string rest = line;
    if (const auto open = line.find('"'), close = line.rfind('"');
        open != std::string::npos && close > open) {
        const bool writes = line.find(" text ") < open || line.find(" cell ") < open;
        if (writes) drawing.texts.push_back(line.substr(open + 1, close - open - 1));
        rest = line.substr(0, open) + line.substr(close + 1);  // a picture's name is no colour
    }
    std::istringstream words(rest);
    std::string before;
    for (std::string word; words >> word; before = word) {
        for (const std::string_view head : {"c", "fill", "bg"}) {
            const std::string_view number = std::string_view(word).substr(
                std::min(word.size(), head.size()));
            if (!word.starts_with(head) || !all_digits(number)) continue;
            const int colour = std::atoi(number.data());
            if (head != "bg" || colour != 0) drawing.colours.push_back(colour);
        }
        if (const auto found = std::ranges::find(kLessonColours, word);
            found != kLessonColours.end() && before != "border")
            drawing.colours.push_back(int(found - kLessonColours.begin()));
    }
    drawing.erases = !drawing.colours.empty() &&
                     std::ranges::all_of(drawing.colours, [](int c) { return c == 0; });
    return drawing;
}

// A drawing on the page canvas, or on a hidden window or bitmap that a page
// composes a picture on before it copies it onto the canvas.
bool is_page_drawing(const std::string& line) {
    const std::string surface = line.substr(0, line.find(' '));
    const bool page_surface =
        surface == "MAINFORM" || surface == "FORM2" || surface.starts_with("BITMAP");
    return page_surface && line.find(" window ") == std::string::npos;
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

int sound_number(const std::string& sound) {
    const auto digits = between(sound, "SOUND", ".WAV");
    return digits && all_digits(*digits) ? std::atoi(digits->c_str()) : 0;
}

}  // namespace

std::map<int, std::string> narration_sentences(const fs::path& file) {
    std::map<int, std::string> sentences;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos || !all_digits(line.substr(0, tab))) continue;
        sentences[std::atoi(line.c_str())] = line.substr(line.rfind('\t') + 1);
    }
    return sentences;
}

PageTimeline page_timeline(const fs::path& trace, const fs::path& sounds,
                           const std::map<int, std::string>& sentences) {
    PageTimeline page;
    milliseconds now{0};
    constexpr std::size_t kNone = ~std::size_t{0};
    std::size_t playing = kNone;  // the narration playing on in the background
    std::ifstream in(trace);
    for (std::string line; std::getline(in, line);) {
        if (const auto ms = between(line, "sleep ", "ms")) {
            now += milliseconds(std::atoi(ms->c_str()));
        } else if (const auto sound = between(line, R"(sound "open )", R"( alias wave1")")) {
            page.opened.push_back(*sound);
        } else if (line.starts_with(R"(sound "play wave1)") && !page.opened.empty()) {
            const fs::path file = sounds / page.opened.back();
            const auto sentence = sentences.find(sound_number(page.opened.back()));
            Narration narration{.sound = page.opened.back(),
                                .sentence = sentence != sentences.end() ? sentence->second : "",
                                .start = now,
                                .end = now + spoken_length(file).value_or(milliseconds(0)),
                                .waits = line != R"(sound "play wave1")",
                                .closed = std::nullopt};
            page.narrations.push_back(narration);
            playing = narration.waits ? kNone : page.narrations.size() - 1;
            if (narration.waits) now += platform::wav_file_length(file).value_or(milliseconds(0));
        } else if (line == R"(sound "close wave1")") {
            if (playing == kNone) continue;
            Narration& narration = page.narrations[playing];
            narration.closed = now;
            narration.end = std::min(narration.end, now);
            playing = kNone;
        } else if (is_page_drawing(line)) {
            page.drawings.push_back(drawing_of(now, line));
        }
    }
    return page;
}

std::optional<milliseconds> spoken_length(const fs::path& sound) {
    const std::string bytes = contents(sound);
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

std::vector<std::string> numbers_in(const std::string& text) {
    // Full-width digits and point (U+FF10..U+FF19, U+FF0E) read as half-width.
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return std::uint8_t(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC &&
            (byte(2) == 0x8E || (byte(2) >= 0x90 && byte(2) <= 0x99))) {
            plain += byte(2) == 0x8E ? '.' : char('0' + byte(2) - 0x90);
            i += 2;
        } else {
            plain += text[i];
        }
    }
    std::vector<std::string> numbers;
    const auto digit = [&](std::size_t k) { return k < plain.size() && plain[k] >= '0' && plain[k] <= '9'; };
    for (std::size_t i = 0; i < plain.size();) {
        if (!digit(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (digit(end)) ++end;
        if (end < plain.size() && plain[end] == '.' && digit(end + 1))
            for (++end; digit(end);) ++end;
        numbers.push_back(plain.substr(i, end - i));
        i = end;
    }
    return numbers;
}

}  // namespace harness
