// The course folder a teacher lays out: the layout tool run into a fresh
// folder, what the lesson programs and the launcher find there, and that a
// second layout keeps the pupil's progress.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "course/course_folder.h"
#include "frame/progress_record.h"
#include "units/course_units.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int exit_code;
    std::string errors;
};

ToolRun run_layout(const QStringList& arguments) {
    QProcess tool;
    tool.start(COURSE_LAYOUT_TOOL, arguments);
    tool.waitForFinished(60000);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            tool.readAllStandardError().toStdString()};
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void overwrite(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

const frame::Unit& unit_named(std::string_view name) {
    for (const frame::Unit* unit : units::course_units())
        if (unit->name == name) return *unit;
    throw std::logic_error("no unit " + std::string(name));
}

frame::PassFlags no_passes(const frame::RecordLayout& layout) {
    frame::PassFlags flags;
    for (int count : layout.flag_counts) flags.emplace_back(count, 0);
    return flags;
}

class CourseLayout : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        root_ = fs::path(folder_.path().toStdString());
    }
    fs::path drive_c() const { return root_ / "drive_c"; }
    fs::path base() const { return drive_c() / "SANSU"; }

    QTemporaryDir folder_;
    fs::path root_;
};

TEST_F(CourseLayout, EveryUnitGetsItsFolderRecordNameAndAFreshRecord) {
    const ToolRun run = run_layout({QString::fromStdString(root_.string())});
    ASSERT_EQ(run.exit_code, 0) << run.errors;

    std::istringstream list(contents(root_ / "units.txt"));
    std::string line;
    std::size_t listed = 0;
    for (const frame::Unit* unit : units::course_units()) {
        SCOPED_TRACE(std::string(unit->name));
        ASSERT_TRUE(std::getline(list, line));
        const fs::path folder = base() / "ROKU1" / std::string(unit->folder);
        EXPECT_EQ(line, std::string(unit->name) + "\t" + folder.string());
        EXPECT_TRUE(fs::is_directory(folder));
        const std::string no_bas = contents(folder / "NO.BAS");
        EXPECT_EQ(no_bas, "\"\\" + std::string(unit->folder) + ".DAT\"\r\n");
        const std::string name = frame::read_record_name(no_bas);
        EXPECT_EQ(name, "\\" + std::string(unit->folder) + ".DAT");
        const fs::path record = drive_c() / "DI1" / (std::string(unit->folder) + ".DAT");
        const frame::RecordLayout layout = unit->record_layout();
        EXPECT_EQ(contents(record), frame::progress_text(layout, no_passes(layout)));
        for (std::string_view picture : unit->folder_pictures)
            EXPECT_TRUE(fs::is_regular_file(folder / std::string(picture))) << picture;
        ++listed;
    }
    EXPECT_FALSE(std::getline(list, line)) << "a line for no unit: " << line;
    EXPECT_EQ(listed, units::course_units().size());

    // the frame's own unit, byte for byte
    EXPECT_EQ(contents(base() / "ROKU1" / "ES2" / "NO.BAS"), "\"\\ES2.DAT\"\r\n");
    EXPECT_EQ(contents(drive_c() / "DI1" / "ES2.DAT"),
              "8,8,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
    for (const char* picture : {"ﾎﾟｺ.BMP", "ﾐﾙ.BMP", "ﾎﾟｺ2.BMP", "ﾐﾙ2.BMP", "ｻｲｹ.BMP",
                                "ｽﾄﾗｲﾌﾟ.BMP", "PF.BMP", "MF.BMP", "mf.BMP", "pl.BMP", "pr.BMP",
                                "ml.BMP", "mr.BMP"})
        EXPECT_EQ(contents(base() / "da" / picture),
                  contents(fs::path(COURSE_PICTURES_DIR) / picture))
            << picture;

    // the narration and the right-answer jingle, as wave files
    for (const char* sound : {"SOUND1.WAV", "SOUND80.WAV"}) {
        const std::string bytes = contents(base() / "ROKU1" / "ES2" / sound);
        ASSERT_GT(bytes.size(), 44u) << sound;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << sound;
        EXPECT_EQ(bytes.substr(8, 4), "WAVE") << sound;
    }
}

TEST_F(CourseLayout, LayingOutAgainKeepsThePupilsProgressAndMendsTheRest) {
    ASSERT_EQ(run_layout({QString::fromStdString(root_.string() + "/")}).exit_code, 0);
    const fs::path record = drive_c() / "DI1" / "ES2.DAT";
    const std::string progress = "8,8,6,1,1,0,0,0,0,0,0,1,0,0,0,0,0,0,1\r\n0,0,0,0,0,1\r\n";
    overwrite(record, progress);
    fs::remove(base() / "da" / "ﾐﾙ.BMP");
    overwrite(base() / "ROKU1" / "ES2" / "NO.BAS", "\"\\XX.DAT\"\r\n");
    const std::string list = contents(root_ / "units.txt");

    ASSERT_EQ(run_layout({QString::fromStdString(root_.string())}).exit_code, 0);
    EXPECT_EQ(contents(record), progress);
    EXPECT_TRUE(fs::is_regular_file(base() / "da" / "ﾐﾙ.BMP"));
    EXPECT_EQ(contents(base() / "ROKU1" / "ES2" / "NO.BAS"), "\"\\ES2.DAT\"\r\n");
    EXPECT_EQ(contents(root_ / "units.txt"), list);
}

TEST_F(CourseLayout, TheLauncherStandInNotesEachStartBesideItself) {
    ASSERT_EQ(run_layout({QString::fromStdString(root_.string())}).exit_code, 0);
    const fs::path launcher = base() / "ﾎﾟｺﾄﾐﾙ1.exe";
    ASSERT_TRUE(fs::is_regular_file(launcher));
    EXPECT_NE(fs::status(launcher).permissions() & fs::perms::owner_exec, fs::perms::none);
    for (int start = 0; start < 2; ++start) {
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(root_.string()));
        process.start(QString::fromStdString(launcher.string()), {});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0);
    }
    std::istringstream log(contents(base() / "launcher.log"));
    std::string line;
    int lines = 0;
    while (std::getline(log, line)) {
        EXPECT_EQ(line.rfind("started 20", 0), 0u) << line;
        ++lines;
    }
    EXPECT_EQ(lines, 2);
}

TEST_F(CourseLayout, ABadCommandLineOrDestinationIsRefusedWithAMessage) {
    const ToolRun no_destination = run_layout({});
    EXPECT_EQ(no_destination.exit_code, 2);
    EXPECT_NE(no_destination.errors.find("usage: course-layout DEST"), std::string::npos);

    const fs::path file = root_ / "a file";
    overwrite(file, "keep me");
    const ToolRun into_a_file = run_layout({QString::fromStdString(file.string())});
    EXPECT_EQ(into_a_file.exit_code, 1);
    EXPECT_NE(into_a_file.errors.find("course-layout: "), std::string::npos);
    EXPECT_EQ(contents(file), "keep me");
}

TEST_F(CourseLayout, UnfitUnitsStopTheLayoutBeforeAnythingIsWritten) {
    const course::CourseFolder course{root_ / "course", COURSE_PICTURES_DIR, COURSE_SOUNDS_DIR};
    const frame::Unit& home = unit_named("expr-solve-2");
    const auto like_home = [&home](std::string_view name, std::string_view folder) {
        frame::Unit unit = home;
        unit.name = name;
        unit.folder = folder;
        return unit;
    };
    const frame::Unit long_name = like_home("long", "ROKU2");
    const frame::Unit empty_name = like_home("empty", "");
    const frame::Unit twin = like_home("twin", home.folder);
    frame::Unit unknown_picture = like_home("odd", "ODD");
    unknown_picture.folder_pictures = {"無い.BMP"};

    for (const frame::Unit* unfit : {&long_name, &empty_name}) {
        const frame::Unit* const units[] = {&home, unfit};
        EXPECT_THROW(course::lay_out(course, units), std::runtime_error) << unfit->name;
    }
    const frame::Unit* const twins[] = {&home, &twin};
    EXPECT_THROW(course::lay_out(course, twins), std::runtime_error);
    EXPECT_FALSE(fs::exists(course.root));

    const frame::Unit* const odd[] = {&unknown_picture};
    try {
        course::lay_out(course, odd);
        ADD_FAILURE() << "a missing picture was not noticed";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("無い.BMP"), std::string::npos) << error.what();
    }
}

}  // namespace
