// New sheet, load, save and navigation of the member window.
#include "members/frm_anagrafica.h"

#include "core/dates.h"
#include "core/navigation.h"
#include "core/record_file.h"
#include "core/text.h"
#include "members/frm_anagrafica_fields.h"
#include "members/member_archive.h"
#include "members/member_photo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace members {

using platform::MsgKind;

QLineEdit* TfrmAnagrafica::edit(const char* name) const {
    return findChild<QLineEdit*>(QLatin1String(name));
}

QString TfrmAnagrafica::text(MemberField field) const {
    for (const FieldBinding& b : kFieldBindings)
        if (b.field == field) {
            QWidget* w = findChild<QWidget*>(QLatin1String(b.control));
            if (auto* combo = qobject_cast<QComboBox*>(w))
                return core::trimText(combo->currentText());
            return core::trimText(static_cast<QLineEdit*>(w)->text());
        }
    for (const LabelBinding& l : kLabelBindings)
        if (l.field == field)
            return core::trimText(findChild<QLabel*>(QLatin1String(l.control))->text());
    if (field == Annullata) return chkAnnullata_->isChecked() ? kYes : kNo;
    return {};
}

void TfrmAnagrafica::setText(MemberField field, const QString& value) {
    for (const FieldBinding& b : kFieldBindings)
        if (b.field == field) {
            QWidget* w = findChild<QWidget*>(QLatin1String(b.control));
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->setCurrentIndex(-1);
                combo->setEditText(value);
            } else {
                // The limit holds back typing only: a longer stored value (the fee field holds
                // 250 characters, its control takes 15) is shown whole and saved back whole.
                auto* edit = static_cast<QLineEdit*>(w);
                edit->setMaxLength(std::max<int>(b.limit, int(value.size())));
                edit->setText(value);
            }
            return;
        }
    for (const LabelBinding& l : kLabelBindings)
        if (l.field == field) {
            findChild<QLabel*>(QLatin1String(l.control))->setText(value);
            return;
        }
    if (field == Annullata) {
        // A value other than "Sì" or "No" leaves the box as it was.
        if (value == kYes)
            chkAnnullata_->setChecked(true);
        else if (value == kNo)
            chkAnnullata_->setChecked(false);
    }
}

QStringList TfrmAnagrafica::values() const {
    QStringList out;
    for (int f = 0; f < MemberFieldCount; ++f)
        out << text(MemberField(f));
    return out;
}

qint64 TfrmAnagrafica::position() const {
    bool ok = false;
    const qint64 n = core::trimText(lblPosizione_->text()).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

void TfrmAnagrafica::newSheet() {
    for (int f = 0; f < MemberFieldCount; ++f)
        if (f != Annullata) setText(MemberField(f), QString());
    setText(DataRil, core::formatDate(ctx_.platform.today()));
    setText(Preavviso, QStringLiteral("0"));
    chkAnnullata_->setChecked(false);
    lblPosizione_->clear();
    setPhoto(QImage(), false);
    edit("txtTesserato")->setFocus();
}

void TfrmAnagrafica::showMember(const Member& member) {
    for (int f = 0; f < MemberFieldCount; ++f)
        setText(MemberField(f), member.values.value(f));
    lblPosizione_->setText(QString::number(member.number));
    loadPhotoFile();
}

bool TfrmAnagrafica::loadRecord(qint64 number) {
    const auto member = MemberArchive(ctx_.folder).read(number);
    if (!member) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return false;
    }
    showMember(*member);
    return true;
}

bool TfrmAnagrafica::warnAndFocus(MsgKind kind, const QString& message, QWidget* focus) {
    ctx_.platform.message(this, kind, message);
    focus->setFocus();
    return false;
}

void TfrmAnagrafica::save() {
    const QDate today = ctx_.platform.today();
    const QString name = text(Tesserato), issued = text(DataRil), expires = text(DataScade);
    QLineEdit* issuedField = edit("txtDataRil");
    QLineEdit* expiresField = edit("txtDataScade");
    const QString notValid =
        QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                       "data valida nel formato gg/mm/aaaa.");
    if (name.isEmpty()) {
        warnAndFocus(
            MsgKind::Warning,
            QStringLiteral(
                "Attenzione: per salvare la scheda è necessario indicare il nome del tesserato."),
            edit("txtTesserato"));
        return;
    }
    if (issued.isEmpty()) {
        warnAndFocus(
            MsgKind::Warning,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                           "rilascio del tesserino."),
            issuedField);
        return;
    }
    if (expires.isEmpty()) {
        warnAndFocus(
            MsgKind::Warning,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                           "scadenza del tesserino."),
            expiresField);
        return;
    }
    if (!core::isValidDate(issued, today)) {
        warnAndFocus(MsgKind::Plain,
                     QStringLiteral("Attenzione: la data di rilascio della tessera ") + issued +
                         notValid,
                     issuedField);
        return;
    }
    if (!core::isValidDate(expires, today)) {
        warnAndFocus(MsgKind::Plain,
                     QStringLiteral("Attenzione: la data di scadenza della tessera ") + expires +
                         notValid,
                     expiresField);
        return;
    }
    if (core::compareDates(issued, expires, today).value_or(0) > 0) {
        warnAndFocus(
            MsgKind::Plain,
            QStringLiteral("Attenzione: la data di scadenza (") + expires +
                QStringLiteral(") non può essere anteriore a quella di rilascio della tessera (") +
                issued + QStringLiteral(")."),
            expiresField);
        return;
    }
    if (text(Preavviso).isEmpty()) {
        warnAndFocus(
            MsgKind::Warning,
            QStringLiteral(
                "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."),
            edit("txtPreavviso"));
        return;
    }

    const qint64 shown = position();
    const auto written = MemberArchive(ctx_.folder).save(shown, values());
    if (!written) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    lblPosizione_->setText(QString::number(*written));
    const bool photoSaved = savePhotoFile(shown == 0);
    ctx_.platform.message(
        this, MsgKind::Information,
        shown ? QStringLiteral(
                    "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
              : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    // The record is saved; a photo that was not must not pass for saved.
    if (!photoSaved) ctx_.platform.message(this, MsgKind::Warning, photoNotSavedMessage());
}

void TfrmAnagrafica::navigate(int command) {
    core::RecordFile file(ctx_.path(kMemberFileName), kMemberRecordLength);
    if (!file.open()) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    const core::NavStep step =
        core::navigate(core::NavCommand(command), lblPosizione_->text(), file.count());
    switch (step.kind) {
    case core::NavStep::Kind::Nothing:
        file.close();
        return;
    case core::NavStep::Kind::Empty:
        file.close();
        if (step.clearLabel) lblPosizione_->clear();
        ctx_.platform.message(this, MsgKind::Information, core::emptyArchiveMessage());
        return;
    case core::NavStep::Kind::Read:
        break;
    }
    std::vector<char> buffer(kMemberRecordLength);
    const bool read = file.read(step.record, buffer.data());
    if (!file.close() || !read) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    showMember(Member{step.record, memberLayout().loadAll(buffer.data())});
}

void TfrmAnagrafica::first() {
    navigate(int(core::NavCommand::First));
}
void TfrmAnagrafica::previous() {
    navigate(int(core::NavCommand::Previous));
}
void TfrmAnagrafica::next() {
    navigate(int(core::NavCommand::Next));
}
void TfrmAnagrafica::last() {
    navigate(int(core::NavCommand::Last));
}

} // namespace members
