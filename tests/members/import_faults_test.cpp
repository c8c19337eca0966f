// A failure injected at every step of an import, once and for good: either every accepted row
// is in the archive and the user is told so, or Tesserati.pro is byte for byte as before and
// the user is told that nothing was imported.
#include "core/file_faults.h"
#include "core/record_file.h"
#include "members/frm_importa_foglio.h"
#include "members/member_archive.h"

#include "fake_platform.h"
#include "files.h"
#include "member_fixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace members;
using testing_support::fileBytes;

namespace {

// Enough rows to take two blocks of the batch write and to show the progress bar.
constexpr int kRows = 2500;

QString bigSheet(const QString& folder) {
    QByteArray csv = "Socio;Tessera n.;Rilascio;Scadenza tessera\r\n";
    for (int i = 1; i <= kRows; ++i)
        csv += "Socio " + QByteArray::number(i) + ";" + QByteArray::number(i) +
               ";01/01/2026;31/12/2026\r\n";
    const QString path = QDir(folder).filePath(u"soci.csv"_qs);
    testing_support::writeFile(path, csv);
    return path;
}

} // namespace

TEST(ImportFaults, EveryStepOfTheImportAllOrNothing) {
    for (const bool persistent : {false, true}) {
        bool completed = false;
        for (int step = 1; step < 40 && !completed; ++step) {
            SCOPED_TRACE(testing::Message()
                         << (persistent ? "for good" : "once") << ", step " << step);
            testing_support::Harness h;
            for (int i = 1; i <= 3; ++i)
                member_fixture::addMember(h.dir.path(), {{Tesserato, u"Presente %1"_qs.arg(i)}});
            TfrmImportaFoglio w(h.ctx, nullptr);
            ASSERT_TRUE(w.openSheet(bigSheet(h.dir.path())));
            ASSERT_EQ(w.plan().accepted, kRows);
            const QByteArray before = fileBytes(h.path(kMemberFileName));

            core::faults::arm(step, persistent);
            w.findChild<QPushButton*>(u"btnImporta"_qs)->click();
            completed = core::faults::steps() < step;
            core::faults::disarm();

            MemberArchive archive(h.dir.path());
            const auto count = archive.count(); // the next open recovers a journal
            EXPECT_FALSE(QFile::exists(core::RecordFile::journalPath(archive.path())));
            ASSERT_EQ(h.fake.messages.size(), 2u); // the question, then the outcome
            const auto& outcome = h.fake.lastMessage();
            if (outcome.text == importFailedMessage()) {
                EXPECT_EQ(outcome.kind, platform::MsgKind::Error);
                EXPECT_EQ(fileBytes(h.path(kMemberFileName)), before);
                EXPECT_TRUE(w.findChild<QPushButton*>(u"btnImporta"_qs)->isEnabled());
            } else {
                EXPECT_EQ(outcome.text, importDoneMessage(kRows, 0));
                EXPECT_EQ(count, 3 + kRows);
                EXPECT_EQ(fileBytes(h.path(kMemberFileName)).left(before.size()), before);
                EXPECT_EQ(archive.read(3 + kRows)->values[Tesserato], u"Socio %1"_qs.arg(kRows));
            }
        }
        EXPECT_TRUE(completed) << "the import never completed";
    }
}
