// Files made to hurt the import window: each is refused with a message that names the limit it
// passes, the window keeps the sheet it showed, the archive is untouched, and reading them never
// takes the process past 500 MB.
#include "members/frm_importa_foglio.h"
#include "members/member_archive.h"

#include "fake_platform.h"
#include "files.h"
#include "hostile_sheets.h"
#include "member_fixture.h"

#include <QFile>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <sys/resource.h>

using namespace members;
using testing_support::fileBytes;

namespace {

QString refused(const QString& limit) {
    return u"Attenzione: il file selezionato non può essere importato perché supera "_qs + limit +
           u".\n\r\n\rUn elenco di soci non arriva a tanto: controllare di aver scelto il file "
           u"giusto, oppure dividere il foglio in più file e importarli uno alla volta."_qs;
}

} // namespace

TEST(ImportHostile, FilesMadeToHurtAreRefusedByTheirLimit) {
    const struct {
        const char16_t* name;
        bool (*make)(const QString&);
        QString message;
    } cases[] = {
        {u"larghissimo.csv", hostile_sheets::writeWideCsv,
         refused(u"il limite di 1.000 colonne (riga 1 del foglio)"_qs)},
        {u"lunghissimo.csv", hostile_sheets::writeLongCsv,
         refused(u"il limite di 100.000 righe"_qs)},
        {u"bomba.xlsx", hostile_sheets::writeZipBomb,
         refused(u"la dimensione massima di 256 MB per una parte della cartella di lavoro una "
                 u"volta decompressa"_qs)},
    };
    testing_support::Harness h;
    member_fixture::addMember(h.dir.path(), {{Tesserato, u"Rossi Mario"_qs}});
    const QByteArray archive = fileBytes(h.path(kMemberFileName));
    TfrmImportaFoglio w(h.ctx, nullptr);
    const QString good = h.dir.filePath(u"buono.csv"_qs);
    testing_support::writeFile(good, "Socio;Rilascio;Scadenza tessera\n"
                                     "Verdi Anna;01/01/2026;31/12/2026\n");
    ASSERT_TRUE(w.openSheet(good));

    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        const QString path = h.dir.filePath(QString::fromUtf16(c.name));
        ASSERT_TRUE(c.make(path));
        h.fake.messages.clear();
        EXPECT_FALSE(w.openSheet(path));
        ASSERT_EQ(h.fake.messages.size(), 1u);
        EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning);
        EXPECT_EQ(h.fake.lastMessage().text, c.message);
        EXPECT_EQ(w.findChild<QLineEdit*>(u"txtFile"_qs)->text(), good);
        EXPECT_EQ(w.plan().rows.size(), 1u);
        EXPECT_EQ(fileBytes(h.path(kMemberFileName)), archive);
        QFile::remove(path);
    }
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_SELF, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 500 * 1024) << "peak " << usage.ru_maxrss / 1024 << " MB";
    std::printf("peak memory %ld MB\n", usage.ru_maxrss / 1024);
}
