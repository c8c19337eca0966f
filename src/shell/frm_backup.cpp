#include "shell/frm_backup.h"

#include "core/file_system.h"
#include "platform/buttons.h"
#include "platform/help.h"
#include "platform/look.h"
#include "platform/ui.h"
#include "shell/backup.h"
#include "shell/backup_close.h"
#include "shell/backup_restore.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

namespace shell {

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

QString dateText(const QDateTime& d) {
    return d.toString(u"dd/MM/yyyy HH:mm"_qs);
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

qint64 sizeOf(const QString& path) {
    const auto f = core::fileSystem().open(path, core::FileSystem::Open::Read);
    return f ? f->size() : -1;
}

QString unchanged() {
    return u"\r\n\r\nI dati attuali non sono stati modificati."_qs;
}

} // namespace

TfrmBackup::TfrmBackup(platform::Context& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmBackup"_qs, u" Quorvix 5.0 - Copie di sicurezza"_qs,
                          {680, 500});
    platform::look::useFont(this);

    platform::makeLabel(this, u"Copie di sicurezza dei dati, dalla più recente:"_qs)
        ->setGeometry(12, 12, 656, 18);
    grdCopie_ = new QTableWidget(0, 5, this);
    grdCopie_->setObjectName(u"grdCopie"_qs);
    grdCopie_->setHorizontalHeaderLabels(
        {u"Data"_qs, u"Dimensione"_qs, u"File"_qs, u"Nota"_qs, u"Cartella"_qs});
    grdCopie_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCopie_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCopie_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCopie_->setAlternatingRowColors(true);
    grdCopie_->verticalHeader()->hide();
    grdCopie_->verticalHeader()->setDefaultSectionSize(22);
    grdCopie_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdCopie_->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {120, 90, 50, 150};
    for (int column = 0; column < 4; ++column)
        grdCopie_->setColumnWidth(column, widths[column]);
    grdCopie_->setGeometry(12, 32, 656, 236);

    auto* crea = platform::dialogButton(this, u"btnCrea"_qs, u"Crea copia adesso"_qs,
                                        {12, 280, 155, 32});
    auto* creaIn =
        platform::dialogButton(this, u"btnCreaIn"_qs, u"Crea copia in..."_qs, {179, 280, 155, 32});
    auto* ripristina = platform::dialogButton(this, u"btnRipristina"_qs, u"Ripristina..."_qs,
                                              {346, 280, 155, 32});
    auto* cartella = platform::dialogButton(this, u"btnApriCartella"_qs, u"Apri cartella"_qs,
                                            {513, 280, 155, 32});
    platform::look::makePrimary(crea);
    crea->setToolTip(u"Crea subito una copia di tutti i dati nella cartella Backup."_qs);
    creaIn->setToolTip(u"Crea una copia in una cartella a scelta, per esempio su una "
                       u"chiavetta USB."_qs);
    ripristina->setToolTip(u"Riporta i dati a quelli della copia selezionata (o di una copia "
                           u"scelta da un'altra cartella)."_qs);
    cartella->setToolTip(u"Apre la cartella Backup del programma."_qs);
    connect(crea, &QPushButton::clicked, this, &TfrmBackup::createNow);
    connect(creaIn, &QPushButton::clicked, this, &TfrmBackup::createIn);
    connect(ripristina, &QPushButton::clicked, this, &TfrmBackup::restore);
    connect(cartella, &QPushButton::clicked, this, &TfrmBackup::openFolder);

    auto* group = new QGroupBox(u"Copie automatiche alla chiusura del programma"_qs, this);
    group->setObjectName(u"grpAutomatiche"_qs);
    group->setGeometry(12, 326, 656, 96);
    platform::makeLabel(group, u"Giorni tra le copie"_qs)->setGeometry(14, 28, 160, 22);
    txtGiorni_ = new QSpinBox(group);
    txtGiorni_->setObjectName(u"txtGiorni"_qs);
    txtGiorni_->setRange(1, 365);
    txtGiorni_->setGeometry(176, 26, 70, 26);
    platform::makeLabel(group, u"Copie da conservare"_qs)->setGeometry(290, 28, 160, 22);
    txtConserva_ = new QSpinBox(group);
    txtConserva_->setObjectName(u"txtConserva"_qs);
    txtConserva_->setRange(1, 100);
    txtConserva_->setGeometry(452, 26, 70, 26);
    platform::makeLabel(group, u"Le copie si trovano nella cartella Backup del programma; le più "
                               u"vecchie vengono tolte."_qs)
        ->setGeometry(14, 62, 628, 20);

    prgCopia_ = new QProgressBar(this);
    prgCopia_->setObjectName(u"prgCopia"_qs);
    prgCopia_->setGeometry(12, 444, 420, 24);
    prgCopia_->hide();
    lblStato_ = platform::makeLabel(this, {}, u"lblStato"_qs);
    lblStato_->setGeometry(12, 472, 420, 18);

    auto* guida = platform::dialogButton(this, u"btnGuida"_qs, u"Guida"_qs, {456, 452, 100, 32});
    guida->setIcon(QIcon(u":/art/guida.svg"_qs));
    connect(guida, &QPushButton::clicked, this, &TfrmBackup::showHelp);
    auto* chiudi = platform::dialogButton(this, u"btnChiudi"_qs, u"Chiudi"_qs, {568, 452, 100, 32});
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    const BackupSettings s = readBackupSettings(ctx_.folder);
    txtGiorni_->setValue(s.days);
    txtConserva_->setValue(s.keep);
    savedDays_ = s.days;
    savedKeep_ = s.keep;
    refresh();
}

void TfrmBackup::refresh() {
    struct Row {
        QDateTime date;
        QString path, size, files, note, where;
    };
    std::vector<Row> rows;
    const QString own = ctx_.path(kBackupFolder);
    QStringList folders{own};
    const QString chosen = readBackupSettings(ctx_.folder).chosenFolder;
    if (!chosen.isEmpty() && QDir::cleanPath(chosen) != QDir::cleanPath(own) &&
        core::fileSystem().kind(chosen) == core::FileSystem::Kind::Folder)
        folders << chosen;
    for (const QString& folder : folders) {
        for (const QString& path : backupsIn(folder)) {
            Row r{backupNameDate(fileNameOf(path))->first, path, {}, {}, {}, {}};
            r.size = kItalian.formattedDataSize(std::max<qint64>(0, sizeOf(path)), 1,
                                                QLocale::DataSizeTraditionalFormat);
            if (const auto m = readManifest(path)) {
                r.date = m->date;
                r.files = QString::number(m->files.size());
                r.note = m->note;
            } else {
                r.note = u"non leggibile"_qs;
            }
            r.where = folder == own ? kBackupFolder : folder;
            rows.push_back(std::move(r));
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.date > b.date; });
    paths_.clear();
    grdCopie_->clearContents();
    grdCopie_->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& r = rows[size_t(i)];
        paths_ << r.path;
        const QString cells[] = {dateText(r.date), r.size, r.files, r.note, r.where};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(r.path);
            if (c == 1 || c == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdCopie_->setItem(i, c, item);
        }
    }
    if (!rows.empty()) grdCopie_->selectRow(0);
    lblStato_->setText(rows.empty() ? u"Nessuna copia di sicurezza."_qs
                                    : QString::number(rows.size()) + u" copie di sicurezza."_qs);
}

QString TfrmBackup::selectedPath() const {
    const auto selected = grdCopie_->selectionModel()->selectedRows();
    if (selected.isEmpty()) return {};
    const int row = selected.first().row();
    return row < paths_.size() ? paths_[row] : QString();
}

void TfrmBackup::createNow() {
    ProgressNotice notice(this, {}, prgCopia_);
    const BackupResult r = backupIntoFolder(
        ctx_.folder, ctx_.path(kBackupFolder), ctx_.platform.now(), {}, txtConserva_->value(),
        [&](qint64 done, qint64 total) { notice.update(done, total); });
    refresh();
    tellCreated(r, fileNameOf(r.path));
}

void TfrmBackup::createIn() {
    BackupSettings s = readBackupSettings(ctx_.folder);
    const QString start = s.chosenFolder.isEmpty() ? ctx_.folder : s.chosenFolder;
    const QDateTime now = ctx_.platform.now();
    const QString path = ctx_.platform.saveFileName(
        this, {u"Scegliere dove salvare la copia di sicurezza"_qs,
               u"Copie di sicurezza (*.zip)"_qs, start, backupFileName(start, now), u"zip"_qs});
    if (path.isEmpty()) return;
    ProgressNotice notice(this, {}, prgCopia_);
    const BackupResult r = writeBackup(ctx_.folder, path, now, {}, [&](qint64 done, qint64 total) {
        notice.update(done, total);
    });
    if (r.ok) {
        s.chosenFolder = core::folderOf(path);
        writeBackupSettings(ctx_.folder, s); // only where to start next time
    }
    refresh();
    tellCreated(r, path);
}

void TfrmBackup::tellCreated(const BackupResult& r, const QString& shownName) {
    if (!r.ok) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: la copia di sicurezza non è stata creata.\r\n\r\n"_qs +
                                  r.reason);
        return;
    }
    ctx_.platform.message(this, platform::MsgKind::Information,
                          u"Copia di sicurezza creata: "_qs + shownName + u" ("_qs +
                              QString::number(r.manifest.files.size()) + u" file)."_qs);
}

void TfrmBackup::restore() {
    QString path = selectedPath();
    if (path.isEmpty())
        path = ctx_.platform.openFileName(
            this, {u"Scegliere la copia di sicurezza da ripristinare"_qs,
                   u"Copie di sicurezza (*.zip)"_qs, ctx_.path(kBackupFolder), {}, {}});
    if (!path.isEmpty()) restoreFrom(path);
}

void TfrmBackup::restoreFrom(const QString& zipPath) {
    std::variant<Manifest, QString> checked;
    {
        ProgressNotice notice(this, {}, prgCopia_);
        checked = verifyBackup(zipPath, [&](qint64 d, qint64 t) { notice.update(d, t); });
    }
    if (const QString* problem = std::get_if<QString>(&checked)) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: la copia di sicurezza non può essere ripristinata "
                              u"perché è danneggiata o incompleta.\r\n\r\n"_qs +
                                  *problem + unchanged());
        return;
    }
    const Manifest& m = std::get<Manifest>(checked);
    const QString when = m.date.toString(u"dd/MM/yyyy"_qs) + u" alle "_qs +
                         m.date.toString(u"HH:mm"_qs);
    const QString question =
        u"Ripristinare la copia di sicurezza del "_qs + when + u"?\r\n\r\n"_qs +
        u"Tutti i dati del programma (archivio soci, libri soci, scadenze, primanota, "
        u"impostazioni, password, foto e documenti allegati) saranno sostituiti dai "_qs +
        QString::number(m.files.size()) +
        u" file della copia; i file che la copia non contiene saranno tolti.\r\n\r\n"
        u"Prima del ripristino si fa una copia di sicurezza dei dati attuali nella cartella "
        u"Backup."_qs;
    if (ctx_.platform.message(this, platform::MsgKind::Question, question) != platform::Answer::Yes)
        return;

    RestoreResult r;
    {
        ProgressNotice notice(this, {}, prgCopia_);
        r = restoreBackup(ctx_.folder, zipPath, m, ctx_.platform.now(),
                          [&](qint64 d, qint64 t) { notice.update(d, t); });
    }
    refresh();
    using Outcome = RestoreResult::Outcome;
    switch (r.outcome) {
    case Outcome::Done:
        restored_ = true;
        ctx_.platform.message(
            this, platform::MsgKind::Information,
            u"Ripristino completato: i dati sono ora quelli della copia del "_qs + when +
                u".\r\n\r\nI dati di prima sono nella copia "_qs + fileNameOf(r.safetyCopy) +
                u". Il programma torna alla finestra di accesso: inserire la password della "
                u"copia ripristinata."_qs);
        accept();
        return;
    case Outcome::Busy:
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: non è possibile ripristinare la copia perché un'altra "
                              u"copia di Quorvix sta usando i file della cartella. Chiudere il "
                              u"programma sugli altri computer e riprovare."_qs +
                                  unchanged());
        return;
    case Outcome::NotSaved:
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: il ripristino non è stato eseguito perché non è stato "
                              u"possibile fare prima la copia dei dati attuali.\r\n\r\n"_qs +
                                  r.reason + unchanged());
        return;
    case Outcome::Failed:
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: il ripristino non è stato eseguito.\r\n\r\n"_qs +
                                  r.reason + unchanged());
        return;
    case Outcome::Pending:
        unfinished_ = true;
        ctx_.platform.message(this, platform::MsgKind::Error,
                              u"Attenzione: il ripristino non è stato completato. Sarà completato "
                              u"al prossimo avvio del programma, che ora si chiude."_qs);
        accept();
        return;
    }
}

void TfrmBackup::openFolder() {
    const QString folder = ctx_.path(kBackupFolder);
    core::fileSystem().makeFolder(folder);
    ctx_.platform.shellOpen(u'"' + folder + u'"');
}

void TfrmBackup::showHelp() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"shell"_qs, u"copie"_qs));
}

void TfrmBackup::saveSettings() {
    if (txtGiorni_->value() == savedDays_ && txtConserva_->value() == savedKeep_) return;
    BackupSettings s = readBackupSettings(ctx_.folder);
    s.days = txtGiorni_->value();
    s.keep = txtConserva_->value();
    if (!writeBackupSettings(ctx_.folder, s)) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: impossibile salvare le impostazioni delle copie di "
                              u"sicurezza nel file "_qs +
                                  kBackupSettingsFile + u'.');
        return;
    }
    savedDays_ = s.days;
    savedKeep_ = s.keep;
}

void TfrmBackup::done(int result) {
    // A restore brought the settings of the backup along: nothing typed before it is kept.
    if (!restored_ && !unfinished_) saveSettings();
    QDialog::done(result);
}

} // namespace shell
