#pragma once

#include <QImage>
#include <QString>

namespace members {

// Pictures bigger than this on either side are decoded scaled down: a photo box or a card
// never needs more, and a huge picture must not exhaust memory.
inline constexpr int kMaxPhotoSide = 2000;

// The drawn face that stands for a missing photo.
QImage placeholderPhoto();

// Reads a JPEG or BMP (or any picture Qt knows); a null image when it is not a readable picture.
QImage readPicture(const QString& path);

// Writes `image` as JPEG through a temporary file and a rename, so a failure leaves any
// earlier file as it was. False on failure.
bool writeJpeg(const QString& path, const QImage& image);

// Shown after a save whose record was stored but whose photo file could not be written.
QString photoNotSavedMessage();

} // namespace members
