// form-compiler: the build step that turns a readable form source into the
// stream a lesson program embeds, and writes the program's two fixed
// resources.
//
//   form-compiler IN.form OUT          one form
//   form-compiler --bitmap-list OUT    the list of the navigation bitmaps
//   form-compiler --version-info OUT   the version resource
//
// A mistake in the source is reported as IN:LINE: message; OUT is then
// left as it was.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/tool_options.h"
#include "resources/fixed_resources.h"
#include "resources/form_source.h"

namespace {

// Writes the whole file beside its place first, so that a failed write
// never leaves half a stream under the real name.
bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path part = path;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "form-compiler: cannot write " << part.string() << '\n';
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(part, path, error);
    if (error) {
        std::cerr << "form-compiler: cannot write " << path.string() << ": " << error.message() << '\n';
        std::filesystem::remove(part, error);
        return false;
    }
    return true;
}

int compile(const std::string& in_path, const std::string& out_path) {
    std::ifstream in(in_path, std::ios::binary);
    if (!in) {
        std::cerr << "form-compiler: cannot read " << in_path << '\n';
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        return write_file(out_path, resources::compile_form(source)) ? 0 : 1;
    } catch (const resources::SourceError& error) {
        std::cerr << in_path << ':' << error.line() << ": " << error.message() << '\n';
        return 1;
    }
}

constexpr std::string_view kUsage =
    "usage: form-compiler IN.form OUT          one form\n"
    "       form-compiler --bitmap-list OUT    the list of the navigation bitmaps\n"
    "       form-compiler --version-info OUT   the version resource\n";

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered =
            platform::answer_options(argc, argv, kUsage, {"--bitmap-list", "--version-info"}))
        return *answered;
    if (argc != 3) return platform::refuse_call(kUsage);
    const std::string first = argv[1];
    if (first == "--bitmap-list") return write_file(argv[2], resources::bitmap_list()) ? 0 : 1;
    if (first == "--version-info") return write_file(argv[2], resources::version_info()) ? 0 : 1;
    if (std::string_view(argv[2]).starts_with('-')) return platform::refuse_call(kUsage);
    return compile(first, argv[2]);
}
