#include "members/member_archive.h"
#include "members/member_record.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace members;

TEST(MemberRecord, LayoutIsPinned) {
    const auto& l = memberLayout();
    EXPECT_EQ(l.recordLength(), kMemberRecordLength);
    struct {
        MemberField field;
        int offset;
    } pins[] = {{Carica, 51},     {DataRil, 153},  {ProvNasc, 237}, {Preavviso, 353},
                {Titoli, 357},    {CodFisc, 834},  {Iban, 925},     {Note, 1004},
                {Annullata, 1255}, {File01, 1258}, {Desc03, 2513}};
    for (const auto& p : pins)
        EXPECT_EQ(l.offset(p.field), p.offset) << l.name(p.field);
}

TEST(MemberArchive, AppendOverwriteAndScanOnAFreshFolder) {
    QTemporaryDir dir;
    MemberArchive archive(dir.path());
    EXPECT_EQ(archive.count(), 0);
    EXPECT_EQ(QFile(archive.path()).size(), 0); // created empty by the first action

    QStringList values(MemberFieldCount);
    values[Tesserato] = "Rossi Anna";
    values[CodFisc] = "RSSNNA80A41H501X"; // 16 characters: nothing cut
    values[PartitaIva] = "12345678901";
    values[Annullata] = kNo;
    EXPECT_EQ(archive.save(0, values), 1);
    values[Tesserato] = "Bianchi Luca";
    values[Annullata] = kYes;
    EXPECT_EQ(archive.save(0, values), 2);
    values[Tesserato] = "Rossi Anna Maria";
    EXPECT_EQ(archive.save(1, values), 1);
    EXPECT_EQ(archive.save(5, values), std::nullopt); // no such record
    EXPECT_EQ(QFile(archive.path()).size(), 2 * kMemberRecordLength);

    const auto first = archive.read(1);
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)[Tesserato], "Rossi Anna Maria");
    EXPECT_EQ((*first)[CodFisc], "RSSNNA80A41H501X");
    EXPECT_EQ((*first)[PartitaIva], "12345678901");
    EXPECT_TRUE(first->cancelled());

    QStringList names;
    EXPECT_TRUE(archive.scan([&](const Member& m) {
        names << m[Tesserato];
        return true;
    }));
    EXPECT_EQ(names, QStringList({"Rossi Anna Maria", "Bianchi Luca"}));
}

TEST(MemberArchive, ForeignFlagIsNeitherActiveNorCancelled) {
    Member m{1, QStringList(MemberFieldCount)};
    m.values[Annullata] = "si";
    EXPECT_FALSE(m.active());
    EXPECT_FALSE(m.cancelled());
}
