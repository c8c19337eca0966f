#include "shell/backup_close.h"

#include "core/file_system.h"
#include "platform/look.h"
#include "platform/ui.h"
#include "shell/backup.h"
#include "shell/backup_restore.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>

namespace shell {

ProgressNotice::ProgressNotice(QWidget* parent, QString text, QProgressBar* bar, int afterMs)
    : parent_(parent), text_(std::move(text)), bar_(bar), afterMs_(afterMs) {
    started_.start();
}

ProgressNotice::~ProgressNotice() {
    if (bar_) bar_->hide();
    delete own_;
}

void ProgressNotice::update(qint64 done, qint64 total) {
    if (!shown_) {
        if (started_.elapsed() < afterMs_) return;
        shown_ = true;
        if (!bar_) {
            own_ = new QDialog(parent_);
            platform::setupDialog(own_, u"TfrmCopiaInCorso"_qs, u" Quorvix 5.0"_qs, {420, 96});
            platform::look::useFont(own_);
            platform::makeLabel(own_, text_)->setGeometry(16, 14, 388, 20);
            bar_ = new QProgressBar(own_);
            bar_->setObjectName(u"prgCopia"_qs);
            bar_->setGeometry(16, 46, 388, 24);
            own_->show();
        }
        bar_->setRange(0, 1000);
        bar_->show();
        painted_.invalidate();
    }
    // Painting costs: ten times a second is enough.
    if (painted_.isValid() && painted_.elapsed() < 100) return;
    painted_.start();
    bar_->setValue(total > 0 ? int(std::min<qint64>(1000, done * 1000 / total)) : 0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool finishRestoreAtStart(platform::Context& ctx) {
    using platform::MsgKind;
    switch (finishRestore(ctx.folder)) {
    case FinishOutcome::Nothing:
    case FinishOutcome::Busy: // another copy is restoring: it finishes its own
        return true;
    case FinishOutcome::Completed:
        ctx.platform.message(nullptr, MsgKind::Information,
                             u"Il ripristino della copia di sicurezza, rimasto interrotto, è stato "
                             u"completato: i dati sono quelli della copia."_qs);
        return true;
    case FinishOutcome::Undone:
        ctx.platform.message(nullptr, MsgKind::Information,
                             u"Un ripristino della copia di sicurezza è stato interrotto prima di "
                             u"cambiare i dati: i dati sono rimasti quelli precedenti."_qs);
        return true;
    case FinishOutcome::Failed:
        break;
    }
    ctx.platform.message(nullptr, MsgKind::Error,
                         u"Attenzione: il ripristino di una copia di sicurezza è rimasto interrotto "
                         u"e non si riesce a completarlo, quindi i dati della cartella potrebbero "
                         u"essere in parte vecchi e in parte nuovi. Controllare di avere il "
                         u"permesso di scrittura sulla cartella del programma e riavviare "
                         u"Quorvix."_qs);
    return false;
}

void backupOnClose(platform::Context& ctx) {
    // A restore the start-up could not finish is not backed up half done.
    if (core::fileSystem().kind(ctx.path(kRestoreJournal)) != core::FileSystem::Kind::Missing)
        return;
    const BackupSettings settings = readBackupSettings(ctx.folder);
    if (!backupDue(ctx.folder, settings.days, ctx.platform.today())) return;
    ProgressNotice notice(nullptr, u"Copia di sicurezza dei dati in corso..."_qs);
    const BackupResult r = backupIntoFolder(
        ctx.folder, ctx.path(kBackupFolder), ctx.platform.now(), {}, settings.keep,
        [&](qint64 done, qint64 total) { notice.update(done, total); });
    if (!r.ok)
        ctx.platform.message(nullptr, platform::MsgKind::Warning,
                             u"Attenzione: la copia di sicurezza automatica dei dati non è stata "
                             u"fatta.\r\n\r\n"_qs +
                                 r.reason);
}

} // namespace shell
