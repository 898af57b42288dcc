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

// Reads the header first, then only the bytes it says the bitmap takes.
Picture Picture::load(const std::filesystem::path& file) {
    const std::optional<RegularFile> bitmap = RegularFile::open(file);
    if (!bitmap) throw RunError(ErrorNumber::FileNotOpened);
    const std::optional<std::string> head = bitmap->read(0, kBitmapHead);
    if (!head) throw RunError(ErrorNumber::FileNotOpened);
    const std::optional<std::uint64_t> extent = bitmap_extent(*head);
    if (!extent || *extent > bitmap->size()) throw RunError(ErrorNumber::NotABitmap);
    const std::optional<std::string> bytes = bitmap->read(0, static_cast<std::size_t>(*extent));
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
