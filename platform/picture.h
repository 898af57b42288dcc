#pragma once
// A picture loaded from a Windows bitmap file, drawn at its own pixel size.

#include <QImage>
#include <QSize>

#include <filesystem>
#include <string_view>

namespace platform {

// Longest drive path (in code page 932 bytes) a program may name a picture by.
inline constexpr int kLongestPicturePath = 128;

// Run-time error 5 when the path is longer than kLongestPicturePath.
void check_picture_path(std::string_view drive_path);

class Picture {
public:
    Picture() = default;  // an empty picture: drawing it changes nothing

    // Loads a bitmap file, reading only the bytes its header says the
    // bitmap takes.  Run-time error 63 when the file cannot be opened
    // (missing, or no regular file), 75 when it is not a bitmap, lacks
    // pixels its header announces or announces a picture far larger than
    // any of the course (platform/bitmap_extent.h): refused from its header,
    // before its pixels are read.
    static Picture load(const std::filesystem::path& file);
    // The same for the bytes of a file: run-time error 75 when they do not
    // start with "BM", lack pixels their header announces, announce a
    // picture far larger than any of the course, or cannot be read as a
    // bitmap.
    static Picture from_bytes(std::string_view bytes);

    bool empty() const { return image_.isNull(); }
    QSize size() const { return image_.size(); }
    const QImage& image() const { return image_; }  // Format_RGB32

private:
    explicit Picture(QImage image) : image_(std::move(image)) {}
    QImage image_;
};

}  // namespace platform
