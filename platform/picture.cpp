#include "platform/picture.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/run_error.h"
#include "platform/text.h"

namespace platform {
namespace {

std::vector<char> read_file(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) throw RunError(ErrorNumber::FileNotOpened);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw RunError(ErrorNumber::FileNotOpened);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void check_picture_path(std::string_view drive_path) {
    if (cell_width(drive_path) > kLongestPicturePath) throw RunError(ErrorNumber::BadArgument);
}

Picture Picture::load(const std::filesystem::path& file) {
    const std::vector<char> bytes = read_file(file);
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        throw RunError(ErrorNumber::NotABitmap);
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "BMP"))
        throw RunError(ErrorNumber::NotABitmap);
    return Picture(image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace platform
