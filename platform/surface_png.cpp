#include "platform/surface_png.h"

#include <QString>

#include <stdexcept>

#include "platform/surface.h"

namespace platform {

void save_png(const Surface& surface, const std::filesystem::path& file) {
    const QImage shown = surface.image().copy(QRect(QPoint(0, 0), surface.client_size()));
    if (!shown.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write the picture " + file.string());
}

}  // namespace platform
