#pragma once
// What every fuzz target shares: the input as text, its parts, a check that
// stops the run with a message when a property does not hold, and a fresh
// temporary folder.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// The entry point libFuzzer calls with each input, and the replay program
// with each file of a corpus.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

inline std::string_view text_of(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of an input between the separators.
std::vector<std::string_view> parts_of(std::string_view input, char separator);

// Ends the run with the message when the property does not hold: a finding.
void require(bool holds, std::string_view property);

// A new empty folder under the system's temporary folder, removed with the
// object (a target keeps one for its whole run).
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace fuzz
