// Every write path on a full file system, with a little room left and with none: either the
// window says it is done and the new content is all there, or it shows the path's own failure
// message and every file of the folder is byte for byte as before. Run on the simulated disk's
// "no space" and on a real small tmpfs (where the machine lets the test mount one).
#include "book/title_page.h"
#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_record.h"
#include "core/file_system.h"
#include "core/ini_file.h"
#include "core/yes_no.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "files.h"
#include "members/frm_anagrafica.h"
#include "members/frm_importa_foglio.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "members/sheet_import.h"
#include "platform/export_flow.h"
#include "platform/workbook_flow.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_password.h"
#include "shell/password_rules.h"
#include "shell/password_store.h"
#include "sim_disk.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include <sys/mount.h>
#include <unistd.h>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using testing_support::child;
using testing_support::fileBytes;

namespace {

// A program folder on a disk that can be filled up.
class Disk {
public:
    virtual ~Disk() = default;
    virtual QString folder() const = 0;
    // Leaves about `bytes` free.
    virtual void fill(qint64 bytes) = 0;
    virtual std::map<QString, QByteArray> files() const = 0;
    virtual bool real() const = 0;
};

class Simulated final : public Disk {
public:
    Simulated() { disk_.addFolder(folder()); }
    QString folder() const override { return u"/disk"_qs; }
    void fill(qint64 bytes) override { disk_.setFreeSpace(bytes); }
    std::map<QString, QByteArray> files() const override { return disk_.allFiles(); }
    bool real() const override { return false; }

private:
    testing_support::SimDisk disk_;
    core::UseFileSystem use_{disk_};
};

class Tmpfs final : public Disk {
public:
    Tmpfs() {
        if (::geteuid() != 0) {
            why_ = "not root";
            return;
        }
        const QByteArray at = QFile::encodeName(dir_.path());
        if (::mount("tmpfs", at.constData(), "tmpfs", 0, "size=4m") != 0) {
            why_ = "mounting a tmpfs was refused";
            return;
        }
        mounted_ = true;
        QDir().mkpath(folder());
    }
    ~Tmpfs() override {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    const char* unavailable() const { return why_; }
    QString folder() const override { return dir_.path() + u"/Quorvix"_qs; }
    // Filled up by a file outside the program folder, then cut to leave the room asked for.
    void fill(qint64 bytes) override {
        const QString filler = dir_.path() + u"/riempitivo"_qs;
        QFile f(filler);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'r');
        while (f.write(block) == block.size() && f.flush()) {
        }
        f.close();
        const qint64 full = QFileInfo(filler).size();
        ASSERT_EQ(::truncate(at(filler), std::max<qint64>(0, full - bytes)), 0);
    }
    std::map<QString, QByteArray> files() const override {
        std::map<QString, QByteArray> out;
        QDirIterator it(folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            out[p] = fileBytes(p);
        }
        return out;
    }
    bool real() const override { return true; }

private:
    static QByteArray at(const QString& p) { return QFile::encodeName(p); }
    QTemporaryDir dir_;
    const char* why_ = nullptr;
    bool mounted_ = false;
};

struct Run {
    testing_support::FakePlatform fake;
    platform::WindowSet windows;
    platform::Context ctx;
    QString outsideSheet; // an import's CSV, on the real disk outside the folder
    explicit Run(const QString& folder) : ctx{folder, fake, windows} {}
};

QStringList memberValues(const QString& name) {
    QStringList v(members::MemberFieldCount);
    v[members::Tesserato] = name;
    v[members::DataRil] = u"01/01/2026"_qs;
    v[members::DataScade] = u"31/12/2026"_qs;
    v[members::Preavviso] = u"0"_qs;
    v[members::Annullata] = core::kNo;
    return v;
}

platform::SpreadsheetExport memberSheet(int rows) {
    static const core::SheetColumn columns[] = {{u"Nome"_qs, 250}, {u"Note"_qs, 250}};
    return {u"Tesserati.xls"_qs, u"Riepilogo Anagrafica Soci"_qs, columns, rows,
            [](qsizetype row, qsizetype col) {
                return col == 0 ? u"Socio %1"_qs.arg(row) : QString(200, u'n');
            }};
}

struct Path {
    const char* name;
    bool realOnly = false; // writes through a library that knows only real files
    std::function<void(Run&)> seed;
    std::function<void(Run&)> act;
    QString done, failed; // the last message after each outcome ("" for a model path)
    // With `done` shown: the new content is all there.
    std::function<bool(Run&)> landed;
    // A second file that may fail after the first is saved, said so in its own words (the
    // member's photo after the record): the first file's new content is all there.
    QString partly = {};
};

QString lastText(const Run& r) {
    return r.fake.messages.empty() ? QString() : r.fake.lastMessage().text;
}

std::vector<Path> paths() {
    std::vector<Path> out;
    out.push_back(
        {"password change", false,
         [](Run& r) {
             ASSERT_TRUE(shell::writeStoredPassword(r.ctx.path(shell::kPasswordStoreFile),
                                                    shell::kInitialPassword));
         },
         [](Run& r) {
             shell::TfrmPassword login(r.ctx);
             shell::TfrmCambiaPassword w(r.ctx, &login);
             child<QLineEdit>(&w, u"txtPasswordOld"_qs)->setText(shell::kInitialPassword);
             child<QLineEdit>(&w, u"txtPasswordNew"_qs)->setText(u"NUOVA2026"_qs);
             child<QLineEdit>(&w, u"txtConferma"_qs)->setText(u"NUOVA2026"_qs);
             child<QAbstractButton>(&w, u"cmdOK"_qs)->click();
         },
         u"Modifica della password completata con successo."_qs, shell::passwordChangeFailure().text,
         [](Run& r) {
             return shell::readStoredPassword(r.ctx.path(shell::kPasswordStoreFile)) ==
                    u"NUOVA2026"_qs;
         }});
    out.push_back({".xls export", false,
                   [](Run& r) {
                       ASSERT_TRUE(platform::saveSpreadsheet(r.ctx.path(u"Tesserati.xls"_qs),
                                                             memberSheet(3)));
                   },
                   [](Run& r) { platform::runSpreadsheetExport(r.ctx, nullptr, memberSheet(400)); },
                   platform::exportDoneQuestion(), platform::exportFailedMessage(),
                   [](Run& r) {
                       QByteArray bytes;
                       return core::readWholeFile(r.ctx.path(u"Tesserati.xls"_qs), bytes) &&
                              bytes.contains("Socio 399") && bytes.trimmed().endsWith(">");
                   }});
    out.push_back({".xlsx export", true,
                   [](Run& r) {
                       ASSERT_TRUE(platform::saveWorkbook(r.ctx.path(u"Tesserati.xlsx"_qs),
                                                          memberSheet(3)));
                   },
                   [](Run& r) {
                       r.fake.fileAnswers.push_back(r.ctx.path(u"Tesserati.xlsx"_qs));
                       platform::runWorkbookExport(r.ctx, nullptr, memberSheet(4000));
                   },
                   platform::exportDoneQuestion(), platform::exportFailedMessage(),
                   [](Run& r) { return QFileInfo(r.ctx.path(u"Tesserati.xlsx"_qs)).size() > 20000; }});
    const auto ini = [](Run& r) { return r.ctx.path(u"Tesserini.ini"_qs); };
    out.push_back({"INI write", false,
                   [=](Run& r) {
                       ASSERT_TRUE(core::IniFile::write(ini(r), u"Dati Ente"_qs, u"Riga1"_qs,
                                                        u"Circolo"_qs));
                   },
                   [=](Run& r) {
                       if (!core::IniFile::write(ini(r), u"Dati Ente"_qs, u"Riga2"_qs,
                                                 QString(3000, u'v')))
                           r.fake.message(nullptr, platform::MsgKind::Warning, u"non scritto"_qs);
                       else
                           r.fake.message(nullptr, platform::MsgKind::Plain, u"scritto"_qs);
                   },
                   u"scritto"_qs, u"non scritto"_qs,
                   [=](Run& r) {
                       return core::IniFile::read(ini(r), u"Dati Ente"_qs, u"Riga2"_qs).size() ==
                                  3000 &&
                              core::IniFile::read(ini(r), u"Dati Ente"_qs, u"Riga1"_qs) ==
                                  u"Circolo"_qs;
                   }});
    const auto titleIni = [](Run& r) { return r.ctx.path(book::kTitleIniFileName); };
    out.push_back({"title page", false,
                   [=](Run& r) {
                       book::TitleTexts t;
                       t[0] = u"Circolo"_qs;
                       ASSERT_TRUE(book::writeTitlePage(titleIni(r), t));
                   },
                   [=](Run& r) {
                       book::TitleTexts t;
                       for (auto& text : t)
                           text = QString(200, u't');
                       if (!book::writeTitlePage(titleIni(r), t))
                           r.fake.message(nullptr, platform::MsgKind::Warning,
                                          book::titlePageNotSavedMessage());
                       else
                           r.fake.message(nullptr, platform::MsgKind::Plain, u"salvato"_qs);
                   },
                   u"salvato"_qs, book::titlePageNotSavedMessage(),
                   [=](Run& r) { return book::readTitlePage(titleIni(r))[0] == QString(200, u't'); }});
    const auto seedMembers = [](Run& r) {
        members::MemberArchive archive(r.ctx.folder);
        for (int i = 1; i <= 3; ++i)
            ASSERT_TRUE(archive.save(0, memberValues(u"Socio %1"_qs.arg(i))));
    };
    out.push_back({"member save", false, seedMembers,
                   [](Run& r) {
                       members::TfrmAnagrafica w(r.ctx);
                       w.newSheet();
                       child<QLineEdit>(&w, u"txtTesserato"_qs)->setText(u"Nuovo Socio"_qs);
                       child<QLineEdit>(&w, u"txtDataRil"_qs)->setText(u"01/01/2026"_qs);
                       child<QLineEdit>(&w, u"txtDataScade"_qs)->setText(u"31/12/2026"_qs);
                       w.save();
                   },
                   u"La scheda corrente \u00e8 stata inserita in archivio."_qs,
                   core::archiveAccessMessage(),
                   [](Run& r) { return members::MemberArchive(r.ctx.folder).count() == 4; },
                   members::photoNotSavedMessage()});
    const auto year = [](Run& r) { return r.ctx.path(cashbook::yearFileName(u"2026"_qs)); };
    out.push_back(
        {"movement save", false,
         [=](Run& r) {
             cashbook::TfrmMovimenti w(r.ctx);
             w.openYear(year(r), u"2026"_qs);
             ASSERT_TRUE(cashbook::yearArchive(year(r)).touch());
         },
         [=](Run& r) {
             cashbook::TfrmMovimenti w(r.ctx);
             w.openYear(year(r), u"2026"_qs);
             child<QLineEdit>(&w, u"txtCausale"_qs)->setText(u"Quota sociale"_qs);
             child<QLineEdit>(&w, u"txtDataSca"_qs)->setText(u"31/03/2026"_qs);
             child<QLineEdit>(&w, u"txtPagatore"_qs)->setText(u"Rossi Carlo"_qs);
             child<QLineEdit>(&w, u"txtBeneficiario"_qs)->setText(u"Circolo"_qs);
             child<QAbstractButton>(&w, u"cmdSalva"_qs)->click();
         },
         u"La scheda corrente \u00e8 stata inserita in archivio."_qs, core::archiveAccessMessage(),
         [=](Run& r) { return cashbook::yearArchive(year(r)).count() == 1; }});
    out.push_back({"import", false, seedMembers,
                   [](Run& r) {
                       members::TfrmImportaFoglio w(r.ctx, nullptr);
                       ASSERT_TRUE(w.openSheet(r.outsideSheet));
                       r.fake.messages.clear();
                       child<QAbstractButton>(&w, u"btnImporta"_qs)->click();
                   },
                   members::importDoneMessage(300, 0), members::importFailedMessage(),
                   [](Run& r) { return members::MemberArchive(r.ctx.folder).count() == 303; }});
    return out;
}

// The same table on either disk, at each amount of room left; the last is room enough for
// every path, so the table sees both outcomes.
void runTable(const std::function<std::unique_ptr<Disk>()>& makeDisk,
              std::initializer_list<qint64> rooms) {
    QTemporaryDir sheets;
    QByteArray csv = "Socio;Tessera n.;Rilascio;Scadenza tessera\r\n";
    for (int i = 1; i <= 300; ++i)
        csv += "Importato " + QByteArray::number(i) + ";" + QByteArray::number(i) +
               ";01/01/2026;31/12/2026\r\n";
    const QString sheet = sheets.filePath(u"soci.csv"_qs);
    testing_support::writeFile(sheet, csv);

    for (const Path& p : paths()) {
        for (const qint64 room : rooms) {
            SCOPED_TRACE(testing::Message() << p.name << ", " << room << " bytes free");
            const auto disk = makeDisk();
            if (p.realOnly && !disk->real()) continue;
            Run run(disk->folder());
            run.outsideSheet = sheet;
            p.seed(run);
            disk->fill(room);
            const auto before = disk->files();
            run.fake.messages.clear();
            p.act(run);
            const QString said = lastText(run);
            if (said == p.done || (!p.partly.isEmpty() && said == p.partly)) {
                EXPECT_NE(room, 0) << "done on a disk with no room at all";
                EXPECT_TRUE(p.landed(run)) << "reported done, not all there";
                continue;
            }
            EXPECT_NE(room, *(rooms.end() - 1)) << "failed with room enough: " << said.toStdString();
            EXPECT_EQ(said, p.failed);
            EXPECT_EQ(disk->files(), before) << "the old files were changed";
        }
    }
}

} // namespace

TEST(FullDisk, EveryWritePathOnTheSimulatedDisk) {
    runTable([] { return std::make_unique<Simulated>(); }, {0, 100, 3000, 20000, 200000, 1200000});
}

TEST(FullDisk, EveryWritePathOnARealSmallTmpfs) {
    {
        Tmpfs probe;
        if (probe.unavailable()) GTEST_SKIP() << "no tmpfs for this test: " << probe.unavailable();
    }
    runTable([] { return std::make_unique<Tmpfs>(); }, {0, 4096, 16384, 65536, 262144, 1200000});
}
