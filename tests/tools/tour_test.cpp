// The screen tour writes a screen for each page, problem, hint, praise and
// password of a unit's tables; screen-diff finds a tree equal to itself and
// exactly one planted pixel in a copy.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "frame/exercise_page.h"
#include "units/course_units.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUnit = "frac-divide";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun run(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

std::string number(const char* prefix, int n) {
    return prefix + std::string(n < 10 ? "0" : "") + std::to_string(n);
}

// The screens of a unit as its tables list them.
std::set<std::string> screens_of(const frame::Unit& unit) {
    std::set<std::string> names = {"p00-contents.png", "p00-page-select.png",
                                   number("p", unit.end_page_module()) + "-unit-end.png"};
    for (const frame::LessonPage& page : unit.pages) {
        const std::string p = number("p", page.number);
        names.insert({p + "-dialog.png", p + "-end.png"});
        if (!page.sheet) continue;
        names.insert(p + "-password.png");
        for (int q = 1; q <= static_cast<int>(page.sheet->problems.size()); ++q) {
            const std::string pq = p + number("-q", q);
            names.insert({pq + "-problem.png", pq + "-hint.png", pq + "-praise.png"});
            // The hints chosen by what was typed, up to one that serves any wrong answer.
            const auto& hints = page.sheet->hints;
            for (std::size_t k = 0; k < hints.size(); ++k) {
                if (!hints[k].problems.hold(q)) continue;
                if (hints[k].keys.empty() && hints[k].typed.empty()) break;
                names.insert(pq + number("-hint-t", static_cast<int>(k) + 1) + ".png");
            }
        }
    }
    return names;
}

std::set<std::string> files_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

const frame::Unit& unit_named(std::string_view name) {
    const auto units = units::course_units();
    return **std::ranges::find(units, name, &frame::Unit::name);
}

TEST(ScreenTour, WritesEveryScreenOfTheTablesAndScreenDiffFindsOnePlantedPixel) {
    QTemporaryDir temp;
    const fs::path a = temp.filePath("a").toStdString();
    const fs::path b = temp.filePath("b").toStdString();
    const ToolRun tour = run(COURSE_TOUR, {QString::fromUtf8(kUnit), QString::fromStdString(a)});
    ASSERT_EQ(tour.status, 0) << tour.err;
    EXPECT_EQ(tour.err, "");
    const fs::path screens = a / kUnit;
    ASSERT_EQ(files_in(screens), screens_of(unit_named(kUnit)));

    fs::copy(a, b, fs::copy_options::recursive);
    const ToolRun same = run(COURSE_SCREEN_DIFF, {QString::fromStdString(a), QString::fromStdString(b)});
    EXPECT_EQ(same.status, 0) << same.out;
    const std::string total = std::to_string(files_in(screens).size());
    EXPECT_EQ(same.out, "screen-diff: " + total + " screens compared, 0 differ, 0 pixels differ, "
                        "0 in one tree only\n");

    const std::string name = std::string(kUnit) + "/p02-q01-praise.png";
    QImage planted(QString::fromStdString((b / name).string()));
    planted.setPixel(123, 45, ~planted.pixel(123, 45));
    ASSERT_TRUE(planted.save(QString::fromStdString((b / name).string())));
    const fs::path out = temp.filePath("out").toStdString();
    const ToolRun one = run(COURSE_SCREEN_DIFF, {QString::fromStdString(a), QString::fromStdString(b),
                                             QString::fromStdString(out)});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(one.out, name + ": 1 pixels differ in x 123..123, y 45..45\n"
                       "screen-diff: " + total + " screens compared, 1 differ, 1 pixels differ, "
                       "0 in one tree only\n");
    EXPECT_EQ(files_in(out / kUnit), std::set<std::string>{"p02-q01-praise.png"});
    const QImage shown(QString::fromStdString((out / name).string()));
    EXPECT_EQ(shown.pixel(123, 45), qRgb(255, 0, 0));
    EXPECT_NE(shown.pixel(124, 45), qRgb(255, 0, 0));

    fs::remove(b / name);
    const ToolRun unmatched = run(COURSE_SCREEN_DIFF, {QString::fromStdString(a), QString::fromStdString(b)});
    EXPECT_EQ(unmatched.status, 1);
    EXPECT_NE(unmatched.out.find(name + ": only in A\n"), std::string::npos) << unmatched.out;
}

TEST(ScreenTour, BothToolsAnswerHelpAndRefuseUnknownOptionsCreatingNothing) {
    struct Case {
        const char* tool;
        QStringList arguments;
        int status;
        bool usage_on_out;
        std::string_view said{};  // on standard error
    };
    QTemporaryDir temp;
    const QString made = temp.filePath("made");
    for (const Case& c : {Case{COURSE_TOUR, {"--help"}, 0, true},
                          Case{COURSE_TOUR, {kUnit.data(), made, "-h"}, 0, true},
                          Case{COURSE_TOUR, {kUnit.data(), made, "--fast"}, 2, false, "usage: "},
                          Case{COURSE_TOUR, {"-x", kUnit.data(), made}, 2, false, "usage: "},
                          Case{COURSE_TOUR, {"no-such-unit", made}, 2, false, "no unit named"},
                          Case{COURSE_SCREEN_DIFF, {"-h"}, 0, true},
                          Case{COURSE_SCREEN_DIFF, {temp.path(), temp.path(), made, "--help"}, 0, true},
                          Case{COURSE_SCREEN_DIFF, {temp.path(), temp.path(), made, "-q"}, 2, false, "usage: "},
                          Case{COURSE_SCREEN_DIFF, {temp.path()}, 2, false, "usage: "}}) {
        const ToolRun r = run(c.tool, c.arguments);
        const std::string args = c.arguments.join(" ").toStdString();
        EXPECT_EQ(r.status, c.status) << c.tool << " " << args;
        EXPECT_EQ(r.out.starts_with("usage: "), c.usage_on_out) << args;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << args;
        EXPECT_FALSE(fs::exists(made.toStdString())) << args;
    }
}

}  // namespace
