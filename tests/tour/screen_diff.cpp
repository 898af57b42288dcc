// screen-diff: compares the same-named PNGs of two screen trees (as the tour
// writes them) pixel by pixel.
//
//   screen-diff DIR_A DIR_B [OUT_DIR]
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <filesystem>
#include <iostream>
#include <set>
#include <span>
#include <string>

#include "platform/tool_options.h"
#include "tests/tour/screen_compare.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: screen-diff DIR_A DIR_B [OUT_DIR]\n"
    "  Compares the same-named PNGs under DIR_A and DIR_B (two tours, before and\n"
    "  after a change). Prints a line for each screen that differs (its name, the\n"
    "  count of differing pixels, their bounding box), the names only one tree has,\n"
    "  and a summary. With OUT_DIR, writes OUT_DIR/NAME for each differing screen:\n"
    "  the differing pixels in red over a dimmed copy of A's, framed in yellow.\n"
    "  Exit status: 0 all equal, 1 something differs, 2 bad usage.\n";

// The PNGs under a folder, by their path below it.
std::set<std::string> screens_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".png")
            names.insert(fs::relative(entry.path(), folder).generic_string());
    return names;
}

QByteArray bytes_of(const fs::path& file) {
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

struct Totals {
    int compared = 0;
    int differing = 0;
    long long pixels = 0;
    int unmatched = 0;  // names in one tree only
    bool failed = false;
};

void write_highlight(const fs::path& out, const std::string& name, const QImage& a,
                     const QImage& b, Totals& totals) {
    const fs::path file = out / name;
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error || !tour::highlight(a, b).save(QString::fromStdString(file.string()), "PNG")) {
        std::cerr << "screen-diff: cannot write " << file.string() << "\n";
        totals.failed = true;
    }
}

void compare_one(const fs::path& dir_a, const fs::path& dir_b, const fs::path* out,
                 const std::string& name, Totals& totals) {
    const QByteArray a_bytes = bytes_of(dir_a / name);
    const QByteArray b_bytes = bytes_of(dir_b / name);
    ++totals.compared;
    if (!a_bytes.isEmpty() && a_bytes == b_bytes) return;  // the same file: no need to decode
    const QImage a = QImage::fromData(a_bytes, "PNG");
    const QImage b = QImage::fromData(b_bytes, "PNG");
    if (a.isNull() || b.isNull()) {
        const char* trees = a.isNull() && b.isNull() ? "A and B" : a.isNull() ? "A" : "B";
        std::cout << name << ": not a readable PNG in " << trees << "\n";
        ++totals.differing;
        return;
    }
    const tour::Difference difference = tour::compare(a, b);
    if (difference.pixels == 0) return;
    const QRect box = difference.box;
    std::cout << name << ": " << difference.pixels << " pixels differ in x " << box.left() << ".."
              << box.right() << ", y " << box.top() << ".." << box.bottom();
    if (a.size() != b.size())
        std::cout << " (A is " << a.width() << "x" << a.height() << ", B " << b.width() << "x"
                  << b.height() << ")";
    std::cout << "\n";
    ++totals.differing;
    totals.pixels += difference.pixels;
    if (out) write_highlight(*out, name, a, b, totals);
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    if (const auto status = platform::answer_options(argc, argv, kUsage)) return *status;
    if (arguments.size() != 2 && arguments.size() != 3) {
        return platform::refuse_call(kUsage);
    }
    const fs::path dir_a = arguments[0];
    const fs::path dir_b = arguments[1];
    for (const fs::path& dir : {dir_a, dir_b}) {
        if (!fs::is_directory(dir)) {
            std::cerr << "screen-diff: " << dir.string() << " is not a folder\n" << kUsage;
            return 2;
        }
    }
    const fs::path out = arguments.size() == 3 ? fs::path(arguments[2]) : fs::path();
    const std::set<std::string> in_a = screens_in(dir_a);
    const std::set<std::string> in_b = screens_in(dir_b);
    Totals totals;
    for (const std::string& name : in_a) {
        if (!in_b.contains(name)) {
            std::cout << name << ": only in A\n";
            ++totals.unmatched;
            continue;
        }
        compare_one(dir_a, dir_b, out.empty() ? nullptr : &out, name, totals);
    }
    for (const std::string& name : in_b) {
        if (in_a.contains(name)) continue;
        std::cout << name << ": only in B\n";
        ++totals.unmatched;
    }
    std::cout << "screen-diff: " << totals.compared << " screens compared, " << totals.differing
              << " differ, " << totals.pixels << " pixels differ, " << totals.unmatched
              << " in one tree only\n";
    const bool same = totals.differing == 0 && totals.unmatched == 0 && !totals.failed;
    return same ? 0 : 1;
}
