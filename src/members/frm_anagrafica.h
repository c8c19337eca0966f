#pragma once

#include "members/member_archive.h"
#include "members/member_record.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QImage>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace members {

// The member archive work area: one member record of Tesserati.pro at a time, with its photo.
class TfrmAnagrafica : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(platform::Context& ctx);

    platform::Context& context() { return ctx_; }

    // Shows record `number` (every field, the flag, the attachment labels, the position and
    // the photo). Shows the access message and changes nothing when it cannot be read.
    bool loadRecord(qint64 number);
    // Puts a picture into the photo box as this record's new photo.
    void importPhoto(const QImage& image);

    // The picture in the photo box (the placeholder when there is none).
    QImage photo() const;
    // The record number shown, 0 on a new sheet.
    qint64 position() const;
    // The 35 field texts as they would be stored (trimmed), in record order.
    QStringList values() const;

public slots:
    void newSheet();
    void save();
    void first();
    void previous();
    void next();
    void last();
    void goToRecord(); // Ctrl+G or a click on the record number
    void loadPhotoFromDisk();
    void savePhotoCopy();
    void clearPhoto();

    // Commands whose windows live elsewhere.
    void find();
    void attach();
    void preview();
    void print();
    void renewals();
    void exportExcel();
    void importSheet();
    void email();
    void renewalEmail();
    void checkCodFisc();
    void checkPartitaIva();
    void checkIban();
    void checkCarta();
    void webcam();
    void zoom();
    void help();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPhotoBox();
    void buildFields();
    QString text(MemberField field) const { return form_.text(field); }
    MemberArchive archive() const { return MemberArchive(ctx_.folder); }

    void setPhoto(const QImage& image, bool changed);
    void loadPhotoFile();
    bool savePhotoFile(bool appended); // false when the photo could not be written

    platform::RecordForm form_;
    QLabel* panInfo_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* imgFoto_ = nullptr;
    QCheckBox* chkAnnullata_ = nullptr;
    QImage photo_;              // null: the placeholder
    bool photoChanged_ = false; // the user changed the picture since the record was shown
};

} // namespace members
