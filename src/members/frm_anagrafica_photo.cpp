// The photo box: the member's picture, read from and written to "<n>.jpg".
#include "members/frm_anagrafica.h"

#include "core/text.h"
#include "members/member_photo.h"

#include <QFileInfo>
#include <QLabel>

namespace members {

QImage TfrmAnagrafica::photo() const {
    return photo_.isNull() ? placeholderPhoto() : photo_;
}

void TfrmAnagrafica::setPhoto(const QImage& image, bool changed) {
    photo_ = image;
    photoChanged_ = changed;
    const QImage shown = photo();
    imgFoto_->setPixmap(
        QPixmap::fromImage(shown.scaled(imgFoto_->size() * imgFoto_->devicePixelRatio(),
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmAnagrafica::importPhoto(const QImage& image) {
    setPhoto(image, true);
}

void TfrmAnagrafica::clearPhoto() {
    setPhoto(QImage(), true);
}

// After a record is shown: its photo file, or the placeholder when it is missing or unreadable.
void TfrmAnagrafica::loadPhotoFile() {
    const qint64 n = position();
    setPhoto(n ? readPicture(ctx_.path(photoFileName(n))) : QImage(), false);
}

// The photo file is written only when it has something new to hold: a new record, a picture
// changed by the user, or a record without a photo file yet. An unchanged photo keeps its
// bytes, and a file that exists but could not be read is not replaced behind the user's back.
bool TfrmAnagrafica::savePhotoFile(bool appended) {
    const qint64 n = position();
    if (!n) return true;
    const QString path = ctx_.path(photoFileName(n));
    if (!appended && !photoChanged_ && QFileInfo::exists(path)) return true;
    // On failure the picture stays in the box, still marked changed, so the next save retries.
    if (!writeJpeg(path, photo())) return false;
    photoChanged_ = false;
    return true;
}

void TfrmAnagrafica::loadPhotoFromDisk() {
    const QString file = ctx_.platform.openFileName(
        this, {QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
               QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"),
               {},
               {},
               {}});
    if (file.isEmpty()) return;
    // A file that is not a picture leaves the placeholder in the box.
    importPhoto(readPicture(file));
}

void TfrmAnagrafica::savePhotoCopy() {
    QString file = ctx_.platform.saveFileName(
        this, {QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
               QStringLiteral("File Jpeg (*.jpg)"),
               {},
               QStringLiteral("Foto.jpg"),
               QStringLiteral("jpg")});
    file = core::trimText(file);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".jpg");
    writeJpeg(file, photo()); // a failure is not reported
}

} // namespace members
