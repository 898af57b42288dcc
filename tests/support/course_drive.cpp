#include "tests/support/course_drive.h"

#include <QImage>
#include <QPainter>

#include <fstream>
#include <iterator>
#include <random>

#include "platform/text.h"

namespace harness {
namespace {

namespace fs = std::filesystem;

struct PictureFile {
    std::string_view name;
    int width, height;
    QRgb colour;
};

// Plain pictures of the right sizes: the tests look at where pictures go,
// not at what they show.
constexpr PictureFile kDataPictures[] = {
    {"ｻｲｹ.BMP", 600, 90, qRgb(250, 220, 120)},  {"ﾎﾟｺ.BMP", 160, 200, qRgb(120, 160, 250)},
    {"ﾐﾙ.BMP", 160, 200, qRgb(250, 150, 180)},   {"ｽﾄﾗｲﾌﾟ.BMP", 200, 60, qRgb(90, 200, 90)},
    {"ﾎﾟｺ2.BMP", 160, 200, qRgb(60, 100, 250)},  {"ﾐﾙ2.BMP", 160, 200, qRgb(250, 90, 140)},
    {"PF.BMP", 20, 50, qRgb(255, 200, 150)},     {"MF.BMP", 20, 50, qRgb(255, 180, 200)},
    {"mf.BMP", 20, 50, qRgb(255, 180, 200)},     {"pl.BMP", 32, 50, qRgb(200, 230, 255)},
    {"pr.BMP", 32, 50, qRgb(200, 255, 230)},     {"ml.BMP", 32, 50, qRgb(255, 230, 200)},
    {"mr.BMP", 32, 50, qRgb(230, 200, 255)},
};

void write_picture(const fs::path& file, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(file.string()), "BMP");
}

void write_file(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

fs::path fresh_root() {
    std::random_device random;
    fs::path root = fs::temp_directory_path() / ("course-" + std::to_string(random()));
    fs::create_directories(root);
    return root;
}

}  // namespace

std::string record_with(const frame::Unit& unit, const frame::PassFlags& flags) {
    return frame::progress_text(unit.record_layout(), flags);
}

CourseDrive::CourseDrive(const frame::Unit& unit, const fs::path& root)
    : owned_(false), root_(root), drive_c_(root_ / "drive_c"), base_folder_(drive_c_ / "SANSU"),
      unit_folder_(base_folder_ / "ROKU1" / std::string(unit.folder)),
      record_(drive_c_ / "DI1" / (std::string(unit.folder) + ".DAT")) {}

CourseDrive::CourseDrive(const frame::Unit& unit, const std::string* record) : CourseDrive(unit, fresh_root()) {
    owned_ = true;
    fs::create_directories(unit_folder_);
    fs::create_directories(base_folder_ / "da");
    fs::create_directories(record_.parent_path());
    for (const PictureFile& picture : kDataPictures)
        write_picture(base_folder_ / "da" / std::string(picture.name), picture.width,
                      picture.height, picture.colour);
    for (std::string_view name : unit.folder_pictures)
        write_picture(unit_folder_ / std::string(name), 13, 15, qRgb(255, 220, 180));
    write_file(unit_folder_ / "NO.BAS",
               platform::to_cp932("\"\\" + std::string(unit.folder) + ".DAT\"\r\n"));
    frame::PassFlags none;
    for (int count : unit.record_layout().flag_counts) none.emplace_back(std::size_t(count), 0);
    write_file(record_, record ? *record : record_with(unit, none));
    write_file(base_folder_ / "ﾎﾟｺﾄﾐﾙ1.exe", "#!/bin/sh\n");
    fs::permissions(base_folder_ / "ﾎﾟｺﾄﾐﾙ1.exe", fs::perms::owner_all);
}

CourseDrive::~CourseDrive() {
    std::error_code ignored;
    if (owned_) fs::remove_all(root_, ignored);
}

std::string CourseDrive::record_bytes() const {
    std::ifstream in(record_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace harness
