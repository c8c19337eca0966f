// The backups window, the automatic backup at the end, the start after a restore cut short and
// the main menu's way in, on the fake desktop.
#include "backup_fixture.h"
#include "fake_platform.h"
#include "files.h"
#include "shell/backup.h"
#include "shell/backup_close.h"
#include "shell/backup_restore.h"
#include "shell/frm_avvio.h"
#include "shell/frm_backup.h"
#include "table_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace backup_fixture;
using namespace testing_support;
using platform::MsgKind;

namespace {

const QDateTime kWhen({2026, 3, 15}, {10, 30});

QString inside(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

void click(QWidget* root, const char* name) {
    auto* b = child<QAbstractButton>(root, QLatin1String(name));
    ASSERT_TRUE(b) << name;
    b->click();
}

QStringList row(QTableWidget* grid, int r) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
    return out;
}

QString iniText(const QString& folder) {
    return QString::fromLatin1(fileBytes(inside(folder, shell::kBackupSettingsFile)));
}

} // namespace

TEST(BackupWindow, ShowsItsControlsAndKeepsTheSettingsInQuorvixIni) {
    Harness h;
    {
        shell::TfrmBackup w(h.ctx, nullptr);
        EXPECT_EQ(w.objectName(), u"TfrmBackup"_qs);
        EXPECT_EQ(w.windowTitle(), u" Quorvix 5.0 - Copie di sicurezza"_qs);
        const struct {
            const char* name;
            const char* text;
        } buttons[] = {{"btnCrea", "Crea copia adesso"},
                       {"btnCreaIn", "Crea copia in..."},
                       {"btnRipristina", "Ripristina..."},
                       {"btnApriCartella", "Apri cartella"}};
        for (const auto& b : buttons) {
            auto* button = child<QPushButton>(&w, QLatin1String(b.name));
            ASSERT_TRUE(button) << b.name;
            EXPECT_EQ(button->text(), QString::fromUtf8(b.text));
        }
        ASSERT_TRUE(child<QTableWidget>(&w, u"grdCopie"_qs));
        EXPECT_EQ(child<QSpinBox>(&w, u"txtGiorni"_qs)->value(), 1);
        EXPECT_EQ(child<QSpinBox>(&w, u"txtConserva"_qs)->value(), 10);
        child<QSpinBox>(&w, u"txtGiorni"_qs)->setValue(3);
        child<QSpinBox>(&w, u"txtConserva"_qs)->setValue(5);
        click(&w, "btnChiudi");
    }
    EXPECT_TRUE(iniText(h.ctx.folder).contains(u"Giorni=3"_qs));
    EXPECT_TRUE(iniText(h.ctx.folder).contains(u"Conserva=5"_qs));
    {
        shell::TfrmBackup again(h.ctx, nullptr);
        EXPECT_EQ(child<QSpinBox>(&again, u"txtGiorni"_qs)->value(), 3);
        EXPECT_EQ(child<QSpinBox>(&again, u"txtConserva"_qs)->value(), 5);
    }
    // A value nobody could have typed there is the default again.
    writeFile(h.path(u"Quorvix.ini"_qs), "[Copie di sicurezza]\r\nGiorni=mai\r\nConserva=0\r\n");
    shell::TfrmBackup damaged(h.ctx, nullptr);
    EXPECT_EQ(child<QSpinBox>(&damaged, u"txtGiorni"_qs)->value(), 1);
    EXPECT_EQ(child<QSpinBox>(&damaged, u"txtConserva"_qs)->value(), 10);
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(BackupWindow, ListsTheBackupsNewestFirstWithDateSizeFilesAndNote) {
    Harness h;
    QTemporaryDir stick;
    put(h.ctx.folder, everyKind('a'));
    const QString own = h.path(shell::kBackupFolder);
    ASSERT_TRUE(shell::backupIntoFolder(h.ctx.folder, own, kWhen.addDays(-2), {}, 0).ok);
    ASSERT_TRUE(
        shell::backupIntoFolder(h.ctx.folder, own, kWhen, shell::kRestoreNote, 0).ok);
    ASSERT_TRUE(shell::backupIntoFolder(h.ctx.folder, stick.path(), kWhen.addDays(-1), {}, 0).ok);
    writeFile(inside(own, u"Quorvix-2026-01-01-0800.zip"_qs), "non è una copia");
    shell::writeBackupSettings(h.ctx.folder, {1, 10, stick.path()});

    shell::TfrmBackup w(h.ctx, nullptr);
    auto* grid = child<QTableWidget>(&w, u"grdCopie"_qs);
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(row(grid, 0), (QStringList{u"15/03/2026 10:30"_qs, row(grid, 0)[1], u"14"_qs,
                                         u"prima del ripristino"_qs, u"Backup"_qs}));
    EXPECT_EQ(row(grid, 1)[0], u"14/03/2026 10:30"_qs);
    EXPECT_EQ(row(grid, 1)[4], stick.path());
    EXPECT_EQ(row(grid, 2)[0], u"13/03/2026 10:30"_qs);
    EXPECT_EQ(row(grid, 3), (QStringList{u"01/01/2026 08:00"_qs, row(grid, 3)[1], QString(),
                                         u"non leggibile"_qs, u"Backup"_qs}));
    EXPECT_TRUE(row(grid, 0)[1].endsWith(u"kB"_qs) || row(grid, 0)[1].endsWith(u"byte"_qs))
        << row(grid, 0)[1].toStdString();
    EXPECT_EQ(w.listed().first(), inside(own, u"Quorvix-2026-03-15-1030.zip"_qs));
}

TEST(BackupWindow, CreateNowKeepsTheNewestAndCreateInRemembersTheChosenFolder) {
    Harness h;
    QTemporaryDir stick;
    put(h.ctx.folder, everyKind('a'));
    shell::TfrmBackup w(h.ctx, nullptr);
    child<QSpinBox>(&w, u"txtConserva"_qs)->setValue(2);
    for (int i = 0; i < 3; ++i)
        click(&w, "btnCrea");
    ASSERT_EQ(h.fake.messages.size(), 3u);
    EXPECT_EQ(h.fake.messages[0].text, u"Copia di sicurezza creata: Quorvix-2026-03-15-1030.zip (14 file)."_qs);
    EXPECT_EQ(h.fake.messages[2].kind, MsgKind::Information);
    EXPECT_EQ(QDir(h.path(shell::kBackupFolder)).entryList(QDir::Files),
              (QStringList{u"Quorvix-2026-03-15-1030-2.zip"_qs, u"Quorvix-2026-03-15-1030-3.zip"_qs}));
    EXPECT_EQ(child<QTableWidget>(&w, u"grdCopie"_qs)->rowCount(), 2);

    h.fake.fileAnswers = {inside(stick.path(), u"copia per la sede.zip"_qs)};
    click(&w, "btnCreaIn");
    EXPECT_EQ(h.fake.fileDialogs.back().directory, h.ctx.folder);
    EXPECT_TRUE(std::holds_alternative<shell::Manifest>(
        shell::verifyBackup(inside(stick.path(), u"copia per la sede.zip"_qs))));
    EXPECT_TRUE(iniText(h.ctx.folder).contains(u"Cartella="_qs + stick.path()));
    // The next time the dialog starts there, with a dated name that the list then shows.
    h.fake.fileAnswers = {inside(stick.path(), u"Quorvix-2026-03-15-1030.zip"_qs)};
    click(&w, "btnCreaIn");
    EXPECT_EQ(h.fake.fileDialogs.back().directory, stick.path());
    EXPECT_EQ(h.fake.fileDialogs.back().proposedName, u"Quorvix-2026-03-15-1030.zip"_qs);
    EXPECT_EQ(row(child<QTableWidget>(&w, u"grdCopie"_qs), 2)[4], stick.path());
    // Cancelled: nothing written, nothing said.
    const auto said = h.fake.messages.size();
    h.fake.fileAnswers = {QString()};
    click(&w, "btnCreaIn");
    EXPECT_EQ(h.fake.messages.size(), said);
}

TEST(BackupWindow, RestoreAsksNamingTheDateAndWhatIsReplacedThenReplacesEverything) {
    Harness h;
    put(h.ctx.folder, everyKind('a'));
    ASSERT_TRUE(
        shell::backupIntoFolder(h.ctx.folder, h.path(shell::kBackupFolder), kWhen.addDays(-3), {}, 0)
            .ok);
    put(h.ctx.folder, everyKind('b'));
    {
        shell::TfrmBackup w(h.ctx, nullptr);
        h.fake.answers = {platform::Answer::No};
        click(&w, "btnRipristina");
        ASSERT_EQ(h.fake.messages.size(), 1u);
        EXPECT_EQ(h.fake.messages[0].kind, MsgKind::Question);
        EXPECT_EQ(h.fake.messages[0].text,
                  u"Ripristinare la copia di sicurezza del 12/03/2026 alle 10:30?\r\n\r\n"
                  u"Tutti i dati del programma (archivio soci, libri soci, scadenze, primanota, "
                  u"impostazioni, password, foto e documenti allegati) saranno sostituiti dai 14 "
                  u"file della copia; i file che la copia non contiene saranno tolti.\r\n\r\n"
                  u"Prima del ripristino si fa una copia di sicurezza dei dati attuali nella "
                  u"cartella Backup."_qs);
        EXPECT_EQ(dataOf(h.ctx.folder), everyKind('b'));
        EXPECT_EQ(child<QTableWidget>(&w, u"grdCopie"_qs)->rowCount(), 1) << "a copy made for No";
        EXPECT_FALSE(w.restored());
    }
    h.fake.messages.clear();
    shell::TfrmBackup w(h.ctx, nullptr);
    h.fake.answers = {platform::Answer::Yes};
    click(&w, "btnRipristina");
    EXPECT_EQ(dataOf(h.ctx.folder), everyKind('a'));
    EXPECT_TRUE(w.restored());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_EQ(h.fake.messages.size(), 2u);
    EXPECT_EQ(h.fake.messages[1].kind, MsgKind::Information);
    EXPECT_TRUE(h.fake.messages[1].text.startsWith(
        u"Ripristino completato: i dati sono ora quelli della copia del 12/03/2026 alle 10:30."_qs))
        << h.fake.messages[1].text.toStdString();
    // The data of before are one of the listed backups.
    EXPECT_EQ(shell::readManifest(w.listed().first())->note, shell::kRestoreNote);
    EXPECT_EQ(shell::verifyBackup(w.listed().first()).index(), 0u);
}

namespace {

struct Spoiled {
    const char* name;
    std::function<void(const QString& zip)> make;
    const char* reason;
};

std::vector<Spoiled> spoiledBackups() {
    const auto good = everyKind('n');
    const auto zipOf = [](std::map<QString, QByteArray> files, const shell::Manifest& m,
                          std::vector<Entry> extra = {}) {
        return [files, m, extra](const QString& zip) {
            std::vector<Entry> entries;
            for (const auto& [name, bytes] : files)
                entries.push_back({name, bytes});
            entries.push_back({shell::kManifestName, shell::manifestText(m)});
            for (const Entry& e : extra)
                entries.push_back(e);
            writeZip(zip, entries);
        };
    };
    const auto listedToo = [&](const QString& name) {
        auto files = good;
        files[name] = "[Fuori]\r\nChiave=valore\r\n";
        return zipOf(files, manifestOf(files));
    };
    std::vector<Spoiled> out;
    out.push_back({"a byte changed in a stored picture",
                   [good](const QString& zip) {
                       QTemporaryDir source;
                       put(source.path(), good);
                       ASSERT_TRUE(shell::writeBackup(source.path(), zip, kWhen, {}).ok);
                       QByteArray bytes = fileBytes(zip);
                       const qsizetype at = bytes.indexOf(good.at(u"1.jpg"_qs));
                       ASSERT_GT(at, 0);
                       bytes[at + 20] = char(bytes[at + 20] ^ 0x5A);
                       writeFile(zip, bytes);
                   },
                   "controllo CRC errato"});
    {
        auto fewer = good;
        fewer.erase(u"Logo.jpg"_qs);
        out.push_back({"a file missing", zipOf(fewer, manifestOf(good)), "Manca il file Logo.jpg"});
    }
    {
        auto odd = good;
        odd[u"Tesserati.pro"_qs] = records(2764, 2, 'n') + "coda";
        out.push_back({"a record file of odd length", zipOf(odd, manifestOf(odd)),
                       "non contiene un numero intero di schede"});
    }
    out.push_back({"a name not in the manifest",
                   zipOf(good, manifestOf(good), {{u"Altro.ini"_qs, "[A]\r\n"}}),
                   "non è nel suo elenco"});
    for (const char* outside : {"../fuori.ini", "/tmp/quorvix-fuori.ini",
                                "Documenti_Allegati/../../fuori.ini", "Documenti_Allegati/a/b.pdf",
                                "Backup/Quorvix-2026-01-01-0800.zip", "quorvix", "Tesserati.pro.jrn",
                                "Tesserati.pro.rstnew"})
        out.push_back({outside, listedToo(QString::fromUtf8(outside)), "non è un file di dati"});
    {
        auto m = manifestOf(good);
        m.files[3].sha256[0] = char(m.files[3].sha256[0] ^ 1);
        out.push_back({"a wrong hash", zipOf(good, m), "SHA-256"});
        auto n = manifestOf(good);
        n.files[2].size += 1;
        out.push_back({"a wrong size", zipOf(good, n), "non ha la dimensione del suo elenco"});
    }
    out.push_back({"no manifest",
                   [good](const QString& zip) {
                       std::vector<Entry> entries;
                       for (const auto& [name, bytes] : good)
                           entries.push_back({name, bytes});
                       writeZip(zip, entries);
                   },
                   "Manca l'elenco dei file"});
    out.push_back({"a damaged manifest",
                   [good](const QString& zip) {
                       QByteArray text = shell::manifestText(manifestOf(good));
                       text.replace("Data: 2026", "Data: 20x6");
                       std::vector<Entry> entries;
                       for (const auto& [name, bytes] : good)
                           entries.push_back({name, bytes});
                       entries.push_back({shell::kManifestName, text});
                       writeZip(zip, entries);
                   },
                   "elenco dei file della copia è danneggiato"});
    out.push_back({"a name twice",
                   zipOf(good, manifestOf(good), {{u"Tesserini.ini"_qs, "[Altro]\r\n"}}),
                   "compare due volte"});
    out.push_back({"no zip at all",
                   [](const QString& zip) { writeFile(zip, QByteArray(5000, 'q')); },
                   "non è un archivio zip"});
    out.push_back({"cut short",
                   [good](const QString& zip) {
                       QTemporaryDir source;
                       put(source.path(), good);
                       ASSERT_TRUE(shell::writeBackup(source.path(), zip, kWhen, {}).ok);
                       writeFile(zip, fileBytes(zip).left(fileBytes(zip).size() / 2));
                   },
                   "non è un archivio zip"});
    return out;
}

} // namespace

TEST(BackupWindow, ASpoiledBackupIsRefusedWithItsReasonBeforeAnythingChanges) {
    for (const Spoiled& s : spoiledBackups()) {
        SCOPED_TRACE(s.name);
        QTemporaryDir parent;
        const QString folder = inside(parent.path(), u"Quorvix"_qs);
        put(folder, everyKind('o'));
        put(folder, noData());
        const QString zip = inside(parent.path(), u"chiavetta/copia.zip"_qs);
        QDir().mkpath(inside(parent.path(), u"chiavetta"_qs));
        s.make(zip);
        const auto before = treeOf(parent.path());

        FakePlatform fake;
        platform::WindowSet windows;
        platform::Context ctx{folder, fake, windows};
        shell::TfrmBackup w(ctx, nullptr);
        // The earlier backup in the list is not the one picked: nothing selected, the dialog.
        child<QTableWidget>(&w, u"grdCopie"_qs)->clearSelection();
        fake.fileAnswers = {zip};
        click(&w, "btnRipristina");
        ASSERT_EQ(fake.messages.size(), 1u) << "asked before checking";
        EXPECT_EQ(fake.messages[0].kind, MsgKind::Warning);
        EXPECT_TRUE(fake.messages[0].text.contains(QString::fromUtf8(s.reason)))
            << fake.messages[0].text.toStdString();
        EXPECT_TRUE(fake.messages[0].text.endsWith(u"I dati attuali non sono stati modificati."_qs));
        EXPECT_EQ(treeOf(parent.path()), before);
        EXPECT_FALSE(QFile::exists(u"/tmp/quorvix-fuori.ini"_qs));
    }
}

TEST(BackupWindow, OpensTheBackupFolderAndItsHelp) {
    Harness h;
    shell::TfrmBackup w(h.ctx, nullptr);
    click(&w, "btnApriCartella");
    EXPECT_EQ(h.fake.opened, QStringList{u'"' + h.path(u"Backup"_qs) + u'"'});
    EXPECT_TRUE(QFileInfo(h.path(u"Backup"_qs)).isDir());
    click(&w, "btnGuida");
    ASSERT_EQ(h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(h.fake.helpTopics[0].title, u"Copie di sicurezza dei dati."_qs);
    EXPECT_GE(h.fake.helpTopics[0].paragraphs.size(), 4);
}

TEST(BackupOnClose, BacksUpWhenDueKeepsTheNewestAndTellsAFailureOnce) {
    Harness h;
    put(h.ctx.folder, everyKind('a'));
    const QString own = h.path(shell::kBackupFolder);
    shell::writeBackupSettings(h.ctx.folder, {2, 2, {}});
    const auto backups = [&] { return QDir(own).entryList(QDir::Files).size(); };
    shell::backupOnClose(h.ctx);
    EXPECT_EQ(backups(), 1);
    h.fake.todayValue = h.fake.todayValue.addDays(1);
    shell::backupOnClose(h.ctx);
    EXPECT_EQ(backups(), 1) << "two days between backups";
    for (int day = 0; day < 3; ++day) {
        h.fake.todayValue = h.fake.todayValue.addDays(2);
        shell::backupOnClose(h.ctx);
    }
    EXPECT_EQ(backups(), 2) << "two to keep";
    EXPECT_TRUE(h.fake.messages.empty());

    // A restore the start could not finish is no state to back up.
    h.fake.todayValue = h.fake.todayValue.addDays(5);
    writeFile(h.path(shell::kRestoreJournal), "Quorvix ripristino\nfine\n");
    shell::backupOnClose(h.ctx);
    EXPECT_EQ(backups(), 2);
    QFile::remove(h.path(shell::kRestoreJournal));

    // Backup is a file: one message with the reason, and the end goes on.
    QDir(own).removeRecursively();
    writeFile(own, "non una cartella");
    shell::backupOnClose(h.ctx);
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(h.fake.messages[0].text,
              u"Attenzione: la copia di sicurezza automatica dei dati non è stata fatta.\r\n\r\n"
              u"Impossibile creare la cartella "_qs +
                  own + u"."_qs);
}

TEST(StartUp, FinishesOrUndoesARestoreCutShortAndSaysSo) {
    const QByteArray oldBytes = records(2764, 2, 'o'), newBytes = records(2764, 3, 'n');
    const struct {
        const char* name;
        QByteArray journal; // empty: none
        bool goesOn;
        const char* message; // empty: none
        QByteArray after;
    } cases[] = {
        {"nothing left", {}, true, "", oldBytes},
        {"cut before the journal", {}, true,
         "Un ripristino della copia di sicurezza è stato interrotto prima di cambiare i dati",
         oldBytes},
        {"cut after it", "Quorvix ripristino\n+\tTesserati.pro\n-\tLogo.jpg\nfine\n", true,
         "Il ripristino della copia di sicurezza, rimasto interrotto, è stato completato", newBytes},
        {"a journal naming a file outside", "Quorvix ripristino\n+\t../Tesserati.pro\nfine\n", false,
         "Attenzione: il ripristino di una copia di sicurezza è rimasto interrotto", oldBytes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        writeFile(h.path(u"Tesserati.pro"_qs), oldBytes);
        writeFile(h.path(u"Logo.jpg"_qs), "logo");
        if (QByteArray(c.name) != "nothing left")
            writeFile(h.path(u"Tesserati.pro.rstnew"_qs), newBytes);
        if (!c.journal.isEmpty()) writeFile(h.path(shell::kRestoreJournal), c.journal);
        EXPECT_EQ(shell::finishRestoreAtStart(h.ctx), c.goesOn);
        EXPECT_EQ(fileBytes(h.path(u"Tesserati.pro"_qs)), c.after);
        if (*c.message) {
            ASSERT_EQ(h.fake.messages.size(), 1u);
            EXPECT_TRUE(h.fake.messages[0].text.startsWith(QString::fromUtf8(c.message)))
                << h.fake.messages[0].text.toStdString();
        } else {
            EXPECT_TRUE(h.fake.messages.empty());
        }
        if (c.goesOn) {
            EXPECT_FALSE(QFile::exists(h.path(shell::kRestoreJournal)));
            EXPECT_FALSE(QFile::exists(h.path(u"Tesserati.pro.rstnew"_qs)));
        }
    }
}

TEST(MainMenu, TheBackupsPictureOpensTheWindowAndARestoreRebuildsEveryWindow) {
    Harness h;
    put(h.ctx.folder, everyKind('a'));
    ASSERT_TRUE(
        shell::backupIntoFolder(h.ctx.folder, h.path(shell::kBackupFolder), kWhen.addDays(-1), {}, 0)
            .ok);
    put(h.ctx.folder, everyKind('b'));
    int rebuilt = 0;
    h.ctx.actions.reloadWindows = [&] { ++rebuilt; };
    auto* menu = new shell::TfrmAvvio(h.ctx);
    h.windows.add(menu);
    EXPECT_TRUE(blankPictures(menu).isEmpty()) << blankPictures(menu).join(u' ').toStdString();
    EXPECT_EQ(child<QToolButton>(menu, u"imgCopie"_qs)->toolTip(), u"Copie di sicurezza dei dati"_qs);

    h.fake.onModal = [&](QDialog& d) {
        click(&d, "btnRipristina"); // the newest, selected; Yes by default
        return d.result();
    };
    click(menu, "imgCopie");
    EXPECT_EQ(h.fake.modalDialogs, QStringList{u"TfrmBackup"_qs});
    EXPECT_EQ(rebuilt, 0) << "rebuilt while the menu was still in its own handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(dataOf(h.ctx.folder), everyKind('a'));
    delete menu;
}
