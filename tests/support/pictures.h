#pragma once

#include <QColor>
#include <QImage>

namespace testing_support {

// A picture of one colour with a recognisable size.
inline QImage picture(int width, int height, QColor colour = Qt::red) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

} // namespace testing_support
