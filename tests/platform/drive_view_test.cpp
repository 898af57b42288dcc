// The drive view: drive paths to host paths and back, names found without
// regard to case, and paths that would leave the drive refused.
#include "platform/drive_view.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "platform/run_error.h"

namespace {

namespace fs = std::filesystem;
using platform::DriveView;
using platform::ErrorNumber;
using platform::RunError;

// A course folder in a fresh temporary folder: drive_c/SANSU/ROKU1/ES2 with a
// few files, and a folder beside drive_c that no path may reach.
class TempDrive : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "drive_view_XXXXXX").string();
        top_ = mkdtemp(pattern.data());
        drive_ = top_ / "drive_c";
        unit_ = drive_ / "SANSU" / "ROKU1" / "ES2";
        fs::create_directories(unit_);
        fs::create_directories(drive_ / "SANSU" / "da");
        fs::create_directories(drive_ / "DI1");
        fs::create_directories(top_ / "outside");
        touch(unit_ / "右指.BMP");
        touch(drive_ / "SANSU" / "da" / "MF.BMP");
        touch(drive_ / "SANSU" / "da" / "ﾎﾟｺ.BMP");
        touch(top_ / "outside" / "secret");
    }
    void TearDown() override { fs::remove_all(top_); }

    static void touch(const fs::path& file) { std::ofstream(file) << "x"; }

    static int error_of(const std::function<void()>& action) {
        try {
            action();
        } catch (const RunError& error) {
            return error.number();
        }
        return 0;
    }

    fs::path top_, drive_, unit_;
};

TEST_F(TempDrive, DrivePathsMapToHostPathsAndBack) {
    DriveView view(drive_, unit_);
    EXPECT_EQ(view.current_folder(), "C:\\SANSU\\ROKU1\\ES2");
    EXPECT_EQ(view.host_current_folder(), unit_);

    EXPECT_EQ(view.to_host("C:\\DI1\\ES2.DAT"), drive_ / "DI1" / "ES2.DAT");
    EXPECT_EQ(view.to_host("c:\\DI1\\ES2.DAT"), drive_ / "DI1" / "ES2.DAT");
    EXPECT_EQ(view.to_host("C:\\SANSU\\da" "\\ﾎﾟｺ.BMP"), drive_ / "SANSU" / "da" / "ﾎﾟｺ.BMP");
    EXPECT_EQ(view.to_host("\\DI1"), drive_ / "DI1");
    EXPECT_EQ(view.to_host("右指.BMP"), unit_ / "右指.BMP");
    EXPECT_EQ(view.to_host(".\\右指.BMP"), unit_ / "右指.BMP");
    EXPECT_EQ(view.to_host("..\\..\\da\\MF.BMP"), drive_ / "SANSU" / "da" / "MF.BMP");
    EXPECT_EQ(view.to_host("C:\\SANSU\\\\ROKU1\\.\\..\\da"), drive_ / "SANSU" / "da");
    EXPECT_EQ(view.to_host("C:\\"), drive_);
    EXPECT_EQ(view.to_host("C:"), unit_);

    EXPECT_EQ(view.to_drive(drive_), "C:\\");
    EXPECT_EQ(view.to_drive(drive_ / "SANSU" / "da" / "ﾎﾟｺ.BMP"), "C:\\SANSU\\da\\ﾎﾟｺ.BMP");
    EXPECT_EQ(view.to_drive("右指.BMP"), "C:\\SANSU\\ROKU1\\ES2\\右指.BMP");
    for (const char* path : {"C:\\DI1\\ES2.DAT", "C:\\SANSU\\ROKU1", "C:\\"})
        EXPECT_EQ(view.to_drive(view.to_host(path)), path);
    EXPECT_EQ(error_of([&] { view.to_drive(top_ / "outside"); }), 52);
    EXPECT_EQ(error_of([&] { view.to_drive(top_ / "drive_c2"); }), 52);

    // The drive's own path may be spelled with "..", "." and a closing separator.
    DriveView spelled(top_ / "outside" / ".." / "." / "drive_c" / "", unit_);
    EXPECT_EQ(spelled.to_host("C:\\DI1"), drive_ / "DI1");
    EXPECT_EQ(spelled.to_drive(unit_), "C:\\SANSU\\ROKU1\\ES2");
}

TEST_F(TempDrive, ChangingTheFolderMovesRelativeNames) {
    DriveView view(drive_, unit_);
    view.change_folder("C:\\SANSU");
    EXPECT_EQ(view.current_folder(), "C:\\SANSU");
    EXPECT_EQ(view.host_current_folder(), drive_ / "SANSU");
    EXPECT_EQ(view.to_host("ﾎﾟｺﾄﾐﾙ1.exe"), drive_ / "SANSU" / "ﾎﾟｺﾄﾐﾙ1.exe");
    EXPECT_NE(fs::current_path(), drive_ / "SANSU");  // the process stays where it was

    view.change_folder("rOkU1\\es2");  // relative, found without regard to case
    EXPECT_EQ(view.current_folder(), "C:\\SANSU\\ROKU1\\ES2");
    view.change_folder("\\");
    EXPECT_EQ(view.current_folder(), "C:\\");

    EXPECT_EQ(error_of([&] { view.change_folder("C:\\NOWHERE"); }), 53);
    EXPECT_EQ(error_of([&] { view.change_folder("C:\\DI1\\..\\SANSU\\da\\MF.BMP"); }), 53);
    EXPECT_EQ(view.current_folder(), "C:\\");
}

TEST_F(TempDrive, MissingNamesAreFoundWithoutRegardToCase) {
    DriveView view(drive_, unit_);
    EXPECT_EQ(view.to_host("C:\\SANSU\\da\\mf.BMP"), drive_ / "SANSU" / "da" / "MF.BMP");
    EXPECT_EQ(view.to_host("\\sansu\\DA\\Mf.bmp"), drive_ / "SANSU" / "da" / "MF.BMP");
    EXPECT_EQ(view.to_host("右指.bmp"), unit_ / "右指.BMP");
    // New files keep the name they are given, in a folder found by case.
    EXPECT_EQ(view.to_host("\\di1\\New.Dat"), drive_ / "DI1" / "New.Dat");
    EXPECT_EQ(view.to_host("\\NEW\\Sub\\x"), drive_ / "NEW" / "Sub" / "x");

    // The exact name wins over one that differs in case.
    touch(drive_ / "SANSU" / "da" / "mf.BMP");
    EXPECT_EQ(view.to_host("C:\\SANSU\\da\\mf.BMP"), drive_ / "SANSU" / "da" / "mf.BMP");
    EXPECT_EQ(view.to_host("C:\\SANSU\\da\\MF.BMP"), drive_ / "SANSU" / "da" / "MF.BMP");
}

TEST_F(TempDrive, PathsLeavingTheDriveAreRefused) {
    DriveView view(drive_, unit_);
    for (const char* path : {"\\..\\..\\etc\\x", "..\\..\\..\\..\\x", "..\\..\\..\\..\\outside\\secret",
                             "C:\\..\\x", "C:\\SANSU\\..\\..\\drive_c\\DI1", "../../../../outside/secret",
                             "D:\\x", "", "C:\\a:b", "C:\\a*", "C:\\a\nb"})
        EXPECT_EQ(error_of([&] { view.to_host(path); }), 52) << path;
    EXPECT_EQ(error_of([&] { view.change_folder("\\..\\"); }), 52);
    EXPECT_EQ(view.current_folder(), "C:\\SANSU\\ROKU1\\ES2");

    // A link inside the drive that leads out of it, to a folder, a file or a
    // file not yet there.
    fs::create_directory_symlink(top_ / "outside", drive_ / "SANSU" / "out");
    fs::create_symlink(top_ / "outside" / "secret", drive_ / "DI1" / "secret");
    fs::create_symlink(top_ / "outside" / "new", drive_ / "DI1" / "new");
    fs::create_symlink("../../outside/new", drive_ / "DI1" / "relative");
    for (const char* path : {"\\SANSU\\out\\secret", "\\SANSU\\OUT\\new", "\\SANSU\\out", "\\DI1\\secret",
                             "\\DI1\\new", "\\DI1\\relative"})
        EXPECT_EQ(error_of([&] { view.to_host(path); }), 52) << path;

    // A link that stays inside is fine.
    fs::create_directory_symlink(drive_ / "SANSU" / "da", drive_ / "DI1" / "pictures");
    EXPECT_EQ(view.to_host("\\DI1\\pictures\\MF.BMP"), drive_ / "DI1" / "pictures" / "MF.BMP");

    // A link from outside to the drive itself, or into it, leads onto the drive.
    fs::create_directory_symlink(drive_, top_ / "alias");
    EXPECT_EQ(view.to_drive(top_ / "alias"), "C:\\");
    EXPECT_EQ(view.to_drive(top_ / "alias" / "SANSU"), "C:\\SANSU");

    EXPECT_EQ(error_of([&] { DriveView(drive_, top_ / "outside"); }), 52);
}

TEST_F(TempDrive, TheDriveIsFoundAboveTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(unit_);
    const std::string found = DriveView::from_working_folder().current_folder();
    fs::current_path(top_);
    const int error = error_of([] { DriveView::from_working_folder(); });
    fs::current_path(before);
    EXPECT_EQ(found, "C:\\SANSU\\ROKU1\\ES2");
    EXPECT_NE(error, 0);
}

}  // namespace
