#include "course/pictures.h"

namespace course {

QImage blank_picture(int width, int height, QRgb background) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(background);
    return picture;
}

}  // namespace course
