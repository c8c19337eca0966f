// Two copies of the program importing the same sheet at once: both check it against the archive
// before either writes, and still every member is stored once, because the duplicate check is
// made again under the archive's lock just before writing.
#include "members/frm_importa_foglio.h"
#include "members/member_archive.h"

#include "fake_platform.h"
#include "files.h"
#include "member_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QThread>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace members;

namespace {

constexpr int kRows = 300;

QString sheetOf(const QString& folder, int first, int last) {
    QByteArray csv = "Socio;Tessera n.;Rilascio;Scadenza tessera\r\n";
    for (int i = first; i <= last; ++i)
        csv += "Socio " + QByteArray::number(i) + ";" + QByteArray::number(i) +
               ";01/01/2026;31/12/2026\r\n";
    const QString path = QDir(folder).filePath(u"soci_%1_%2.csv"_qs.arg(first).arg(last));
    testing_support::writeFile(path, csv);
    return path;
}

// Every member of the archive by name: how many records carry it.
QHash<QString, int> namesStored(const QString& folder) {
    QHash<QString, int> names;
    MemberArchive archive(folder);
    for (qint64 n = 1; n <= archive.count().value_or(0); ++n)
        ++names[archive.read(n)->values[Tesserato]];
    return names;
}

} // namespace

TEST(ImportCopies, TwoProcessesImportingTheSameSheetStoreEveryMemberOnce) {
    testing_support::Harness h;
    member_fixture::addMember(h.dir.path(), {{Tesserato, u"Socio 1"_qs}, {NumTessera, u"1"_qs}});
    const QString sheet = sheetOf(h.dir.path(), 1, kRows);
    const QString go = h.dir.filePath(u"via"_qs);

    std::array<std::unique_ptr<QProcess>, 2> copies;
    for (size_t i = 0; i < copies.size(); ++i) {
        copies[i] = std::make_unique<QProcess>();
        copies[i]->start(QStringLiteral(QUORVIX_IMPORT_COPY),
                         {h.dir.path(), sheet, h.dir.filePath(u"pronto%1"_qs.arg(i)), go});
    }
    // Both have checked the sheet (and found only "Socio 1") before either may write.
    for (size_t i = 0; i < copies.size(); ++i)
        for (QElapsedTimer t; !QFile::exists(h.dir.filePath(u"pronto%1"_qs.arg(i)));) {
            if (!t.isValid()) t.start();
            ASSERT_LT(t.elapsed(), 60000) << "copy " << i << " never got ready";
            ASSERT_NE(copies[i]->state(), QProcess::NotRunning)
                << copies[i]->readAllStandardError().toStdString();
            QThread::msleep(10);
        }
    testing_support::writeFile(go, {});

    qint64 imported = 0, meanwhile = 0;
    for (auto& copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(60000));
        ASSERT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
        const QList<QByteArray> counts = copy->readAllStandardOutput().trimmed().split(' ');
        ASSERT_EQ(counts.size(), 2);
        imported += counts[0].toLongLong();
        meanwhile += counts[1].toLongLong();
    }
    // One copy wrote the kRows - 1 new members, the other found every one of them stored.
    EXPECT_EQ(imported, kRows - 1);
    EXPECT_EQ(meanwhile, kRows - 1);
    const QHash<QString, int> names = namesStored(h.dir.path());
    EXPECT_EQ(names.size(), kRows);
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
}

TEST(ImportCopies, RowsStoredMeanwhileAreLeftOutAndCounted) {
    testing_support::Harness h;
    TfrmImportaFoglio w(h.ctx, nullptr);
    ASSERT_TRUE(w.openSheet(sheetOf(h.dir.path(), 1, 4)));
    ASSERT_EQ(w.plan().accepted, 4);
    // Another copy imports members 2 and 3 while this window waits for the user.
    {
        const sheets::SheetFile other = sheets::readSheetFile(sheetOf(h.dir.path(), 2, 3));
        const ImportPlan plan =
            checkSheet(other.rows, matchColumns(other.rows[0]), {}, h.fake.today());
        ASSERT_EQ(importAccepted(h.dir.path(), plan)->imported, 2);
    }

    w.findChild<QPushButton*>(u"btnImporta"_qs)->click();
    ASSERT_EQ(h.fake.messages.size(), 2u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Information);
    EXPECT_EQ(h.fake.lastMessage().text,
              u"Importazione completata: 2 soci sono stati importati in archivio.\n\r\n\r"
              u"Nessuna riga del foglio è stata esclusa.\n\r\n\r2 righe non sono state importate "
              u"perché nel frattempo i soci sono stati inseriti in archivio (ad esempio da "
              u"un'altra copia del programma)."_qs);
    const QHash<QString, int> names = namesStored(h.dir.path());
    EXPECT_EQ(names,
              (QHash<QString, int>{
                  {u"Socio 1"_qs, 1}, {u"Socio 2"_qs, 1}, {u"Socio 3"_qs, 1}, {u"Socio 4"_qs, 1}}));
    // The window now shows every row as present, where each really is.
    EXPECT_EQ(w.plan().accepted, 0);
    EXPECT_EQ(w.plan().rows[1].result, u"Già presente in archivio (scheda n. 1)."_qs);
    EXPECT_EQ(w.plan().rows[0].result, u"Già presente in archivio (scheda n. 3)."_qs);
}
