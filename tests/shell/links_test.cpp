// A name in the program folder that is a symbolic link to a file elsewhere never leads a write
// there, for every kind of file the program writes: the write is refused (the window shows the
// access message), the outside file keeps every byte and no temporary is left beside it. A
// link to a folder (the program folder, Documenti_Allegati) works as the folder.
#include "book/page_record.h"
#include "cashbook/movement_record.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "files.h"
#include "members/frm_anagrafica.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "pictures.h"
#include "platform/attachments.h"
#include "platform/export_flow.h"
#include "platform/workbook_flow.h"
#include "shell/password_store.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using testing_support::fileBytes;
using testing_support::writeFile;

namespace {

const QByteArray kOutside = QByteArrayLiteral("un file di qualcun altro\r\n");

QStringList recordValues(int fieldCount) {
    QStringList v;
    for (int i = 0; i < fieldCount; ++i)
        v << QString();
    v[0] = u"Rossi"_qs;
    return v;
}

platform::SpreadsheetExport sheetOf(const QStringList& names) {
    static const core::SheetColumn columns[] = {{u"Nome"_qs, 250}};
    return {u"Tesserati.xls"_qs, u"Foglio"_qs, columns, names.size(),
            [names](qsizetype row, qsizetype) { return names[row]; }};
}

struct Kind {
    const char* name;
    QString file; // inside the program folder
    std::function<bool(const QString& folder, const QString& path)> write;
};

std::vector<Kind> kinds() {
    const auto record = [](const core::Archive& archive) {
        return archive.save(0, recordValues(int(archive.layout().fieldCount()))).has_value();
    };
    return {
        {"member archive", members::kMemberFileName,
         [=](const QString& folder, const QString&) {
             return members::MemberArchive(folder)
                 .save(0, recordValues(members::MemberFieldCount))
                 .has_value();
         }},
        {"year file", u"2026.pri"_qs,
         [=](const QString&, const QString& p) { return record(cashbook::yearArchive(p)); }},
        {"register", u"Soci 2026.lib"_qs,
         [=](const QString&, const QString& p) { return record(book::pageArchive(p)); }},
        {"INI file", u"Tesserini.ini"_qs,
         [](const QString&, const QString& p) {
             return core::IniFile::write(p, u"Dati Ente"_qs, u"Riga1"_qs, u"Circolo"_qs);
         }},
        {"password store", shell::kPasswordStoreFile,
         [](const QString&, const QString& p) {
             return shell::writeStoredPassword(p, u"NUOVA"_qs);
         }},
        {"export", u"Tesserati.xls"_qs,
         [](const QString&, const QString& p) {
             return platform::saveSpreadsheet(p, sheetOf({u"Rossi"_qs}));
         }},
        {"workbook", u"Tesserati.xlsx"_qs,
         [](const QString&, const QString& p) {
             return platform::saveWorkbook(p, sheetOf({u"Rossi"_qs}));
         }},
        {"photo", u"1.jpg"_qs,
         [](const QString&, const QString& p) {
             return members::writeJpeg(p, testing_support::picture(40, 30, Qt::blue));
         }},
        {"attachment", platform::kAttachmentsFolder + u"/contratto.pdf"_qs,
         [](const QString& folder, const QString&) {
             const QString source = QDir(folder).filePath(u"../contratto.pdf"_qs);
             writeFile(source, QByteArray(3000, 'P'));
             return platform::attachFile(source, folder + u'/' + platform::kAttachmentsFolder,
                                         [] { return true; }) == platform::AttachOutcome::Copied;
         }},
    };
}

} // namespace

TEST(Links, NoKindOfFileIsWrittenThroughALinkToAFile) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Quorvix"_qs);
        const QString elsewhere = dir.filePath(u"altrove"_qs);
        ASSERT_TRUE(QDir().mkpath(folder + u'/' + platform::kAttachmentsFolder));
        ASSERT_TRUE(QDir().mkpath(elsewhere));
        const QString path = folder + u'/' + k.file;
        const QString target = elsewhere + u"/bersaglio"_qs;
        writeFile(target, kOutside);
        ASSERT_TRUE(QFile::link(target, path));

        EXPECT_FALSE(k.write(folder, path)) << "a write through a link was reported done";
        EXPECT_EQ(fileBytes(target), kOutside);
        EXPECT_TRUE(QFileInfo(path).isSymLink()) << "the link was replaced";
        EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden),
                  QStringList{u"bersaglio"_qs});

        // A dangling link is no better.
        ASSERT_TRUE(QFile::remove(target));
        EXPECT_FALSE(k.write(folder, path));
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_TRUE(QDir(elsewhere).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

TEST(Links, EveryKindOfFileIsWrittenThroughALinkedFolder) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        QTemporaryDir dir;
        const QString real = dir.filePath(u"dati"_qs);
        ASSERT_TRUE(QDir().mkpath(real));
        const QString folder = dir.filePath(u"Quorvix"_qs);
        ASSERT_TRUE(QFile::link(real, folder));
        // Documenti_Allegati is itself a link to a folder elsewhere.
        const QString attachments = dir.filePath(u"allegati"_qs);
        ASSERT_TRUE(QDir().mkpath(attachments));
        ASSERT_TRUE(QFile::link(attachments, real + u'/' + platform::kAttachmentsFolder));

        const QString path = folder + u'/' + k.file;
        EXPECT_TRUE(k.write(folder, path));
        EXPECT_TRUE(QFileInfo(path).isFile());
        EXPECT_GT(QFileInfo(path).size(), 0);
    }
}

TEST(Links, TheMemberWindowShowsTheAccessMessageForALinkedArchive) {
    testing_support::Harness h;
    const QString target = QDir(h.dir.path()).filePath(u"altrove.pro"_qs);
    writeFile(target, kOutside);
    ASSERT_TRUE(QFile::link(target, h.path(members::kMemberFileName)));
    members::TfrmAnagrafica w(h.ctx);
    w.newSheet();
    testing_support::child<QLineEdit>(&w, u"txtTesserato"_qs)->setText(u"Rossi"_qs);
    testing_support::child<QLineEdit>(&w, u"txtDataRil"_qs)->setText(u"01/01/2026"_qs);
    testing_support::child<QLineEdit>(&w, u"txtDataScade"_qs)->setText(u"31/12/2026"_qs);
    w.save();
    ASSERT_FALSE(h.fake.messages.empty());
    EXPECT_EQ(h.fake.lastMessage().text, core::archiveAccessMessage());
    EXPECT_EQ(fileBytes(target), kOutside);
}
