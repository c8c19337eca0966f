#include "members/member_photo.h"

#include "core/replace_file.h"

#include <QIcon>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace members {

QImage placeholderPhoto() {
    static const QImage image = [] {
        QImage img(314, 348, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QIcon(QStringLiteral(":/art/foto_vuota.svg")).paint(&p, img.rect());
        return img;
    }();
    return image;
}

QImage readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxPhotoSide || size.height() > kMaxPhotoSide))
        reader.setScaledSize(size.scaled(kMaxPhotoSide, kMaxPhotoSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1) return {};
    return image;
}

bool writeJpeg(const QString& path, const QImage& image) {
    if (image.isNull()) return false;
    QImage flat = image;
    if (flat.hasAlphaChannel()) { // JPEG has no transparency: lay it on white
        QImage white(flat.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter(&white).drawImage(0, 0, flat);
        flat = white;
    }
    return core::replaceFile(path, [&](QIODevice& out) {
        QImageWriter writer(&out, "jpg");
        writer.setQuality(90);
        return writer.write(flat);
    });
}

QString photoNotSavedMessage() {
    return QStringLiteral("Attenzione: la scheda è stata salvata, ma non è stato possibile "
                          "salvare la foto del tesserato.\n\r\n\rAccertarsi di possedere i "
                          "privilegi di scrittura nella cartella di installazione del programma.");
}

} // namespace members
