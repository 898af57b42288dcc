// The replay program of a fuzz target: runs every input of the corpus
// folders (and files) it is given through the target, in name order, so that
// an input once found to break a reader keeps being tried.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs_of(int count, char** names) {
    std::vector<fs::path> inputs;
    for (int i = 0; i < count; ++i) {
        if (!fs::is_directory(names[i])) {
            inputs.emplace_back(names[i]);
            continue;
        }
        for (const auto& entry : fs::directory_iterator(names[i]))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<fs::path> inputs = inputs_of(argc - 1, argv + 1);
    for (const fs::path& input : inputs) {
        const std::string bytes = bytes_of(input);
        std::fprintf(stderr, "%s\n", input.filename().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;  // a corpus that is not there tries nothing
}
