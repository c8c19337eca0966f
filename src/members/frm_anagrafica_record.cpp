// New sheet, load, save and navigation of the member window, on the record-form kit.
#include "members/frm_anagrafica.h"

#include "core/dates.h"
#include "core/navigation.h"
#include "core/record_file.h"
#include "members/member_photo.h"
#include "members/member_save.h"
#include "platform/frm_vai_a_scheda.h"

#include <QLineEdit>

namespace members {

using platform::MsgKind;

QStringList TfrmAnagrafica::values() const {
    return form_.values();
}

qint64 TfrmAnagrafica::position() const {
    return form_.position();
}

void TfrmAnagrafica::newSheet() {
    if (!form_.mayLeave()) return;
    form_.clear();
    form_.setText(DataRil, core::formatDate(ctx_.platform.today()));
    form_.setText(Preavviso, QStringLiteral("0"));
    setPhoto(QImage(), false);
    form_.control("txtTesserato")->setFocus();
    form_.markUnchanged();
}

bool TfrmAnagrafica::loadRecord(qint64 number) {
    return form_.load(archive().archive(), number);
}

void TfrmAnagrafica::save() {
    if (platform::showProblem(ctx_, this, memberSaveProblem(values(), ctx_.platform.today())))
        return;
    const qint64 shown = position();
    if (!form_.save(archive().archive())) return;
    const bool photoSaved = savePhotoFile(shown == 0);
    if (photoSaved) form_.markUnchanged(); // the photo with the record
    ctx_.platform.message(this, MsgKind::Information, platform::savedMessage(shown != 0));
    // The record is saved; a photo that was not must not pass for saved.
    if (!photoSaved) ctx_.platform.message(this, MsgKind::Warning, photoNotSavedMessage());
}

void TfrmAnagrafica::first() {
    form_.navigate(archive().archive(), core::NavCommand::First);
}
void TfrmAnagrafica::previous() {
    form_.navigate(archive().archive(), core::NavCommand::Previous);
}
void TfrmAnagrafica::next() {
    form_.navigate(archive().archive(), core::NavCommand::Next);
}
void TfrmAnagrafica::goToRecord() {
    const MemberArchive shelf = archive();
    const core::Archive& members = shelf.archive();
    const std::optional<qint64> count = members.count();
    if (!count) {
        ctx_.platform.message(this, MsgKind::Warning, core::archiveAccessMessage());
        return;
    }
    if (*count == 0) {
        ctx_.platform.message(this, MsgKind::Information, core::emptyArchiveMessage());
        return;
    }
    if (const std::optional<qint64> n = platform::askRecordNumber(ctx_, this, *count))
        form_.load(members, *n);
}

void TfrmAnagrafica::last() {
    form_.navigate(archive().archive(), core::NavCommand::Last);
}

} // namespace members
