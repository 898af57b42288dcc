#include "platform/picture.h"

#include <limits>

#include "platform/bitmap_extent.h"
#include "platform/regular_file.h"
#include "platform/run_error.h"
#include "platform/text.h"

namespace platform {

void check_picture_path(std::string_view drive_path) {
    if (cell_width(drive_path) > kLongestPicturePath) throw RunError(ErrorNumber::BadArgument);
}

Picture Picture::load(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = read_regular_file(file);
    if (!bytes) throw RunError(ErrorNumber::FileNotOpened);
    return from_bytes(*bytes);
}

Picture Picture::from_bytes(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) || !holds_whole_bitmap(bytes))
        throw RunError(ErrorNumber::NotABitmap);
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "BMP"))
        throw RunError(ErrorNumber::NotABitmap);
    return Picture(image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace platform
