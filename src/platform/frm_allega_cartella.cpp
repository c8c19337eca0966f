#include "platform/frm_allega_cartella.h"

#include "core/text.h"
#include "platform/ui.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace platform {

using platform::makeEdit;
using platform::makeLabel;

namespace {

const QString kOverwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00e8 presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

QString slotName(const char* prefix, int slot) {
    return QLatin1String(prefix) + QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(platform::Context& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmAllegaCartella"),
                          QStringLiteral(" Allega file"), QSize(610, 395));

    for (int i = 0; i < 3; ++i) {
        const int y = 12 + i * 108;
        const QString ordinal = QString::number(i + 1) + QStringLiteral("\u00b0");
        makeLabel(this, QStringLiteral("Nome %1 file allegato:").arg(ordinal))->move(15, y);

        auto* file = makeEdit(this, slotName("txtFile", i), 0);
        file->setReadOnly(true);
        file->setGeometry(15, y + 19, 370, 24);
        platform::addHighlight(file);

        auto* browseButton = new QPushButton(QStringLiteral("Sfoglia..."), this);
        browseButton->setObjectName(slotName("btnSfoglia", i));
        browseButton->setGeometry(393, y + 18, 85, 26);

        auto* openButton = new QPushButton(QStringLiteral("Apri"), this);
        openButton->setObjectName(slotName("btnApri", i));
        openButton->setGeometry(484, y + 18, 70, 26);
        openButton->setEnabled(false);

        auto* remove = platform::pictureButton(
            this, slotName("imgCancella", i), QStringLiteral(":/art/elimina.svg"),
            QStringLiteral("Elimina il file allegato"), {24, 24});
        remove->setGeometry(562, y + 16, 30, 30);

        makeLabel(this, QStringLiteral("Descrizione %1 file allegato:").arg(ordinal))
            ->move(15, y + 50);
        auto* desc = makeEdit(this, slotName("txtDesc", i), 250);
        desc->setGeometry(15, y + 69, 577, 24);
        platform::addHighlight(desc);

        // No Enter action here: without this the first "Sfoglia..." would open the file dialog.
        platform::enterDoesNothing(file);
        platform::enterDoesNothing(desc);

        txtFile_[i] = file;
        txtDesc_[i] = desc;
        btnApri_[i] = openButton;

        // "Apri" is there exactly while the slot names a file.
        connect(file, &QLineEdit::textChanged, openButton, [openButton](const QString& text) {
            openButton->setEnabled(!core::trimText(text).isEmpty());
        });
        connect(browseButton, &QPushButton::clicked, this, [this, i] { browse(i); });
        connect(openButton, &QPushButton::clicked, this, [this, i] { openAttachment(i); });
        // Only the reference goes: the description stays, and so does the copied file.
        connect(remove, &QToolButton::clicked, file, &QLineEdit::clear);
    }

    auto* apply = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    apply->setObjectName(QStringLiteral("btnApplica"));
    apply->setGeometry(332, 350, 140, 30);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(480, 350, 112, 30);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    lblMemory_ = makeLabel(this, {}, QStringLiteral("lblMemory"));
    lblMemory_->hide();
}

void TfrmAllegaCartella::setMode(const QString& mode) {
    lblMemory_->setText(mode);
}
QString TfrmAllegaCartella::mode() const {
    return lblMemory_->text();
}

void TfrmAllegaCartella::setAttachments(const AttachmentSlots& att) {
    for (int i = 0; i < 3; ++i) {
        txtFile_[i]->setText(core::trimText(att.files[i]));
        txtDesc_[i]->setText(core::trimText(att.descs[i]));
    }
}

AttachmentSlots TfrmAllegaCartella::attachments() const {
    AttachmentSlots out;
    for (int i = 0; i < 3; ++i) {
        out.files[i] = core::trimText(txtFile_[i]->text());
        out.descs[i] = core::trimText(txtDesc_[i]->text());
    }
    return out;
}

QString TfrmAllegaCartella::folder() const {
    return ctx_.path(kAttachmentsFolder);
}

void TfrmAllegaCartella::browse(int slot) {
    platform::FileDialog options;
    options.title = QStringLiteral("Selezionare il file da allegare:");
    options.filter = QStringLiteral("Tutti i file (*.*)");
    const QString source = ctx_.platform.openFileName(this, options);
    if (source.isEmpty()) return;
    // The name goes into the slot whatever happens to the copy: failures are silent.
    txtFile_[slot]->setText(attachmentName(source));
    attachFile(source, folder(), [this] {
        return ctx_.platform.message(this, platform::MsgKind::Question, kOverwriteQuestion) !=
               platform::Answer::No;
    });
}

void TfrmAllegaCartella::openAttachment(int slot) {
    const QString name = core::trimText(txtFile_[slot]->text());
    if (name.isEmpty()) return;
    const QString path = QDir::toNativeSeparators(QDir(folder()).filePath(name));
    ctx_.platform.shellOpen(QLatin1Char('"') + path + QLatin1Char('"'));
}

bool editAttachments(platform::Context& ctx, QWidget* caller, const QString& mode) {
    TfrmAllegaCartella dialog(ctx, caller);
    dialog.setMode(mode);
    dialog.setAttachments(readAttachmentLabels(caller));
    if (ctx.platform.runModal(dialog) != QDialog::Accepted) return false;
    writeAttachmentLabels(caller, dialog.attachments());
    return true;
}

} // namespace platform
