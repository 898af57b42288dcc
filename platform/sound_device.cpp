#include "platform/sound_device.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <span>
#include <utility>
#include <vector>

#include "platform/wav_info.h"

namespace platform {

namespace {

// No narration lasts this long, nor is this large (ten minutes of 48 kHz
// 16-bit stereo).  A longer or larger sound (a file grown far too large) is
// refused like an unplayable one: a player would read all of it into
// memory before the first word, and waiting for its end would hold the page
// for hours.
constexpr std::chrono::minutes kLongestSound{10};
constexpr std::uint64_t kLargestSound = 600ULL * 48000 * 2 * 2;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> words_of(std::string_view command) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < command.size()) {
        if (is_blank(command[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < command.size() && !is_blank(command[end])) {
            ++end;
        }
        words.push_back(command.substr(at, end - at));
        at = end;
    }
    return words;
}

// Keywords and aliases are read without regard to case.
std::string lower(std::string_view word) {
    std::string result(word);
    std::ranges::transform(result, result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

// The words first..last of the command, with the blanks between them, and
// without the quotes a file name with blanks may stand in.
std::string_view span_of(std::string_view first, std::string_view last) {
    const auto length = static_cast<std::size_t>(last.data() + last.size() - first.data());
    std::string_view text(first.data(), length);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

// Whether the flags after "play wave1" ask to wait for the end; nothing
// for a flag that is not "notify" or "wait".
std::optional<bool> waits_to_the_end(std::span<const std::string_view> flags) {
    bool wait = false;
    for (const std::string_view word : flags) {
        const std::string flag = lower(word);
        if (flag != "notify" && flag != "wait") {
            return std::nullopt;
        }
        wait = wait || flag == "wait";
    }
    return wait;
}

}  // namespace

SoundDevice::SoundDevice(AudioBackend& backend, Clock& clock, FileResolver resolve)
    : backend_(backend), clock_(clock), resolve_(std::move(resolve)) {}

bool SoundDevice::send(std::string_view command) {
    backend_.note_command(command);
    const std::vector<std::string_view> words = words_of(command);
    if (words.empty()) {
        return false;
    }
    const std::string verb = lower(words.front());
    const std::size_t count = words.size();
    if (verb == "open" && count >= 4 && lower(words[count - 2]) == "alias") {
        return open(span_of(words[1], words[count - 3]), words[count - 1]);
    }
    if (verb == "play" && count >= 2) {
        const std::optional<bool> wait = waits_to_the_end(std::span(words).subspan(2));
        return wait && play(words[1], *wait);
    }
    if (verb == "close" && count == 2) {
        return close(words[1]);
    }
    return false;
}

bool SoundDevice::open(std::string_view file, std::string_view alias) {
    const std::string name = lower(alias);
    close(name);
    const std::optional<std::filesystem::path> path = resolve(file);
    if (!path) {
        return false;
    }
    // A sound with no whole sample in its file is silent, like an unplayable one.
    const std::optional<WavSound> sound = wav_file_sound(*path);
    if (!sound || sound->data_bytes == 0 || sound->data_bytes > kLargestSound ||
        sound->length() > kLongestSound || !backend_.load(name, *path, *sound)) {
        return false;
    }
    open_.emplace(name, sound->length());
    return true;
}

bool SoundDevice::play(std::string_view alias, bool wait) {
    const auto found = open_.find(lower(alias));
    if (found == open_.end() || !backend_.play(found->first)) {
        return false;
    }
    if (wait) {
        clock_.sleep(found->second);
    }
    return true;
}

bool SoundDevice::close(std::string_view alias) {
    const auto found = open_.find(lower(alias));
    if (found == open_.end()) {
        return false;
    }
    backend_.close(found->first);
    open_.erase(found);
    return true;
}

std::optional<std::filesystem::path> SoundDevice::resolve(std::string_view file) const {
    if (file.empty()) {
        return std::nullopt;
    }
    try {
        return resolve_(file);
    } catch (const std::exception&) {
        return std::nullopt;  // a name the drive refuses is a missing file
    }
}

}  // namespace platform
