#include "tests/support/page_trace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/pupil.h"
#include "tests/support/trace_diff.h"

namespace harness {
namespace {

std::vector<std::string> read_lines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void write_lines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file);
    for (const std::string& line : lines) out << line << '\n';
}

bool writing_traces() {
    const char* write = std::getenv("COURSE_WRITE_TRACES");
    return write != nullptr && std::string_view(write) == "1";
}

const std::vector<std::string>& session_trace(Pupil& pupil, const PageSession& session) {
    pupil.press(Nav::Where).type("EDIT1", std::to_string(session.page)).click("BUTTON1");
    pupil.type("EDIT1", "1");
    pupil.start_trace();
    pupil.click("BUTTON1");
    for (const auto& [wrong, right] : session.answers) pupil.answer(wrong).answer(right);
    return pupil.trace_lines();
}

}  // namespace

void expect_page_trace(const frame::Unit& unit, const PageSession& session,
                       std::string_view expected_file) {
    Pupil pupil(unit);
    expect_trace(session_trace(pupil, session), expected_file);
}

void expect_trace(const std::vector<std::string>& actual, std::string_view expected_file) {
    const std::filesystem::path file = std::filesystem::path(COURSE_TESTS_DIR) / expected_file;
    if (writing_traces()) return write_lines(file, actual);
    const std::vector<std::string> expected = read_lines(file);
    if (expected.empty()) {
        ADD_FAILURE() << "no expected trace in " << file.string()
                      << " (COURSE_WRITE_TRACES=1 writes it)";
        return;
    }
    const std::string difference = trace_difference(expected, actual);
    if (!difference.empty())
        ADD_FAILURE() << expected_file << " is not what the page does: " << difference
                      << "(COURSE_WRITE_TRACES=1 rewrites it after a deliberate change)";
}

}  // namespace harness
