#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/bitmap_extent.h"
#include "platform/picture.h"
#include "surface_test_canvas.h"
#include "tests/platform/little_endian.h"
#include "tests/support/bytes_read.h"

using platform::Picture;
using surface_test::run_error_of;
using test_bytes::le;

namespace {

std::string write_file(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

}  // namespace

TEST(Picture, LoadsBitmapsAndDrawsThemAtTheirOwnSize) {
    QTemporaryDir dir;
    QImage pixels(7, 5, QImage::Format_RGB32);
    pixels.fill(qRgb(255, 255, 0));
    pixels.setPixel(6, 4, qRgb(0, 0, 255));
    const QString file = dir.filePath("ﾎﾟｺ.BMP");
    ASSERT_TRUE(pixels.save(file, "BMP"));

    const Picture picture = Picture::load(file.toStdString());
    EXPECT_EQ(picture.size(), QSize(7, 5));
    platform::Surface canvas = surface_test::page_canvas();
    canvas.draw_picture(picture, {5, 25});
    const QPoint at = canvas.to_pixel({5, 25});
    EXPECT_EQ(canvas.colour_index_at(at), 6);
    EXPECT_EQ(canvas.colour_index_at(at + QPoint(6, 4)), 1);
    EXPECT_EQ(canvas.colour_index_at(at + QPoint(7, 4)), 0);
    EXPECT_EQ(canvas.colour_index_at(at + QPoint(6, 5)), 0);

    const QImage before = canvas.image();
    canvas.draw_picture(Picture(), {5, 25});  // an empty picture changes nothing
    EXPECT_EQ(canvas.image(), before);
}

TEST(Picture, FilesThatAreNoBitmapsAreErrors63And75) {
    QTemporaryDir dir;
    EXPECT_EQ(run_error_of([&] { Picture::load(dir.filePath("none.bmp").toStdString()); }), 63);
    EXPECT_EQ(run_error_of([&] { Picture::load(dir.path().toStdString()); }), 63);
    const std::string pipe = dir.filePath("pipe.bmp").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(run_error_of([&] { Picture::load(pipe); }), 63);  // never waits for a writer
    // A folder or a pipe turned away leaves no file open.
    const auto open_files = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto files_before = open_files();
    for (int i = 0; i < 4; ++i) {
        run_error_of([&] { Picture::load(dir.path().toStdString()); });
        run_error_of([&] { Picture::load(pipe); });
    }
    EXPECT_EQ(open_files(), files_before);

    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    const QString png = dir.filePath("png.bmp");
    ASSERT_TRUE(pixels.save(png, "PNG"));
    EXPECT_EQ(run_error_of([&] { Picture::load(png.toStdString()); }), 75);
    EXPECT_EQ(run_error_of([&] { Picture::load(write_file(dir, "empty.bmp", "")); }), 75);
    EXPECT_EQ(run_error_of([&] { Picture::load(write_file(dir, "short.bmp", "BM\x10")); }), 75);
    EXPECT_EQ(run_error_of([&] { Picture::load(write_file(dir, "text.bmp", "MB hello")); }), 75);
}

TEST(Picture, ABitmapCutShortIsNotABitmap) {
    for (const QSize size : {QSize(30, 20), QSize(1, 1)})
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Mono}) {
        QImage pixels(size, QImage::Format_RGB32);
        pixels.fill(Qt::yellow);
        QByteArray file;
        QBuffer buffer(&file);
        ASSERT_TRUE(pixels.convertToFormat(format).save(&buffer, "BMP"));
        const std::string whole = file.toStdString();
        EXPECT_EQ(run_error_of([&] { Picture::from_bytes(whole); }), 0) << format;
        EXPECT_EQ(run_error_of([&] { Picture::from_bytes(whole.substr(0, whole.size() / 2)); }), 75) << format;
        EXPECT_EQ(run_error_of([&] { Picture::from_bytes(whole.substr(0, whole.size() - 1)); }), 75) << format;
    }

    // The old header of 12 bytes: 3 x 2 pixels of 24 bits, rows of 12 bytes.
    const std::string old_header = "BM" + le(50, 4) + le(0, 4) + le(26, 4) + le(12, 4) + le(3, 2) +
                                   le(2, 2) + le(1, 2) + le(24, 2);
    const std::string old_bitmap = old_header + std::string(24, '\x40');
    EXPECT_EQ(Picture::from_bytes(old_bitmap).size(), QSize(3, 2));
    EXPECT_EQ(run_error_of([&] { Picture::from_bytes(old_bitmap.substr(0, 49)); }), 75);
}

// Headers of 40 bytes whose sizes are checked against the pixels present.
TEST(Picture, ABitmapIsWholeOnlyWhenItsHeaderAddsUp) {
    struct Case {
        std::uint32_t width, height;
        int bits, compression, image_size;
        std::size_t pixel_bytes;
        std::uint32_t offset;
        bool whole;
    };
    const Case cases[] = {
        {2, 2, 24, 0, 0, 16, 54, true},            // two rows of 6 bytes padded to 8
        {2, 2, 24, 0, 0, 15, 54, false},
        {2, 0xfffffffe, 24, 0, 0, 16, 54, true},   // rows stored top down
        {2, 2, 24, 0, 0, 16, 55, false},           // pixels start one byte later
        {2, 2, 24, 0, 0, 16, 20, true},            // never inside the headers
        {0, 2, 24, 0, 0, 16, 54, false},
        {0xffffffff, 8, 32, 0, 0, 22, 54, false},  // its rows would wrap round to 22 bytes
        {2, 0, 24, 0, 0, 16, 54, false},
        {2, 2, 0, 0, 0, 16, 54, false},
        {0x7fffffff, 0x80000000, 32, 0, 0, 64, 54, false},
        {4, 4, 8, 1, 10, 10, 54, true},            // run-length: its stated size
        {4, 4, 8, 1, 11, 10, 54, false},
        {4, 4, 4, 2, 0, 10, 54, false},
    };
    for (const Case& c : cases) {
        const std::string header = le(40, 4) + le(c.width, 4) + le(c.height, 4) + le(1, 2) +
                                   le(c.bits, 2) + le(c.compression, 4) + le(c.image_size, 4) +
                                   std::string(16, '\0');
        const std::string file = "BM" + le(0, 4) + le(0, 4) + le(c.offset, 4) + header +
                                 std::string(c.pixel_bytes, '\x40');
        EXPECT_EQ(platform::holds_whole_bitmap(file), c.whole)
            << c.width << " x " << c.height << " x " << c.bits << ", " << c.pixel_bytes << " bytes";
    }
}

// What a header of 40 bytes says the bitmap takes, up to the largest
// picture of the course: 4096 pixels a side, pixels at most 64 KiB in.
TEST(Picture, TakesWhatItsHeaderSaysUpToTheLargestPictureOfTheCourse) {
    constexpr std::uint64_t kMiB = 1 << 20;
    const struct {
        std::uint32_t width, height;
        int bits, compression;
        std::uint32_t image_size, offset;
        std::optional<std::uint64_t> extent;
        std::uint32_t header_size = 40;  // the shorter ones read their first fields only
    } cases[] = {
        {2, 2, 24, 0, 0, 54, 54 + 16},
        {4096, 1, 8, 0, 0, 54, 54 + 4096},
        {4097, 1, 8, 0, 0, 54, std::nullopt},
        {1, 4096, 1, 0, 0, 54, 54 + 4 * 4096},
        {1, static_cast<std::uint32_t>(-4096), 1, 0, 0, 54, 54 + 4 * 4096},  // top down
        {1, 4097, 1, 0, 0, 54, std::nullopt},
        {1, static_cast<std::uint32_t>(-4097), 1, 0, 0, 54, std::nullopt},
        {4096, 4096, 32, 0, 0, 54, 54 + 64 * kMiB},
        {4096, 4096, 48, 0, 0, 54, std::nullopt},  // more pixel bytes than any picture at 32 bits
        {16384, 16384, 32, 0, 0, 54, std::nullopt},
        {2, 2, 24, 0, 0, 64 * 1024, 64 * 1024 + 16},
        {2, 2, 24, 0, 0, 64 * 1024 + 1, std::nullopt},
        {4, 4, 8, 1, 64 * kMiB, 54, 54 + 64 * kMiB},  // run-length: its stated size
        {4, 4, 8, 1, 64 * kMiB + 1, 54, std::nullopt},
        {0, 4, 8, 1, 10, 54, std::nullopt},  // no width, whatever its stated size
        {4, 4, 8, 1, 10, 0, 14 + 24 + 10, 24},
        {2, 2, 24, 0, 0, 0, 14 + 16 + 16, 16},
        {2, 2, 24, 0, 0, 0, std::nullopt, 15},
    };
    for (const auto& c : cases) {
        const std::string head = "BM" + le(0, 4) + le(0, 4) + le(c.offset, 4) + le(c.header_size, 4) + le(c.width, 4) +
                                 le(c.height, 4) + le(1, 2) + le(c.bits, 2) + le(c.compression, 4) +
                                 le(c.image_size, 4) + std::string(16, '\0');
        EXPECT_EQ(platform::bitmap_extent(head), c.extent) << c.width << " x " << c.height << " x " << c.bits;
    }
    // The old header of 12 bytes, and the same without its last byte or its "BM".
    const std::string old_head = "BM" + le(0, 4) + le(0, 4) + le(26, 4) + le(12, 4) + le(3, 2) + le(2, 2) +
                                 le(1, 2) + le(24, 2);
    EXPECT_EQ(platform::bitmap_extent(old_head), 26 + 2 * 12);
    EXPECT_EQ(platform::bitmap_extent(old_head.substr(0, 25)), std::nullopt);
    EXPECT_EQ(platform::bitmap_extent("MB" + old_head.substr(2)), std::nullopt);
}

// A picture followed by a gigabyte of nothing, and a header of 16384 x 16384
// pixels of 32 bits whose file holds them all (a gigabyte, never written):
// the one is read as far as its header says, the other refused from its
// header alone.
TEST(Picture, ReadsOnlyTheBytesItsHeaderSays) {
    constexpr std::uintmax_t kGiB = 1 << 30;
    QTemporaryDir dir;
    QImage pixels(7, 5, QImage::Format_RGB32);
    pixels.fill(qRgb(255, 255, 0));
    const QString hand = dir.filePath("右指.BMP");
    ASSERT_TRUE(pixels.save(hand, "BMP"));
    std::filesystem::resize_file(hand.toStdString(), kGiB);
    QSize size;
    EXPECT_LT(harness::bytes_read_during([&] { size = Picture::load(hand.toStdString()).size(); }), 64'000u);
    EXPECT_EQ(size, QSize(7, 5));

    const std::string absurd = write_file(dir, "absurd.bmp",
                                          "BM" + le(0, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(16384, 4) +
                                              le(16384, 4) + le(1, 2) + le(32, 2) + std::string(24, '\0'));
    std::filesystem::resize_file(absurd, 54 + kGiB);
    int error = 0;
    EXPECT_LT(harness::bytes_read_during([&] { error = run_error_of([&] { Picture::load(absurd); }); }), 64'000u);
    EXPECT_EQ(error, 75);
}

TEST(Picture, DrivePathsAreLimitedTo128Bytes) {
    EXPECT_EQ(run_error_of([] { platform::check_picture_path(std::string(128, 'a')); }), 0);
    EXPECT_EQ(run_error_of([] { platform::check_picture_path(std::string(129, 'a')); }), 5);
    std::string katakana;  // one byte each in the programs' code page
    for (int i = 0; i < 128; ++i) katakana += "ｱ";
    EXPECT_EQ(run_error_of([&] { platform::check_picture_path(katakana); }), 0);
    std::string kanji;     // two bytes each
    for (int i = 0; i < 65; ++i) kanji += "絵";
    EXPECT_EQ(run_error_of([&] { platform::check_picture_path(kanji); }), 5);
}
