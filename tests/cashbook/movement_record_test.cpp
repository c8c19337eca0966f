#include "cashbook/movement_record.h"

#include "cashbook_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cashbook;

TEST(MovementRecord, LayoutIsPinned) {
    const core::RecordLayout& l = movementLayout();
    EXPECT_EQ(l.fieldCount(), 28);
    EXPECT_EQ(l.recordLength(), kMovementRecordLength);
    EXPECT_EQ(l.recordLength(), 3414);
    const std::pair<MovementField, int> offsets[] = {
        {Entrata, 0},    {Data, 6},       {DataSca, 519},   {Importo, 534},
        {Totale, 550},   {Pagatore, 566}, {Pagamento, 799}, {Beneficiario, 1050},
        {Saldato, 1905}, {File01, 1908},  {Desc03, 3163}};
    for (const auto& [field, offset] : offsets)
        EXPECT_EQ(l.offset(field), offset) << l.name(field);
}

TEST(MovementRecord, YesNoWordsAreStoredAsTheirTwoBytes) {
    QTemporaryDir dir;
    const QString path = cashbook_fixture::yearPath(dir.path());
    cashbook_fixture::addMovement(path, cashbook_fixture::movementValues({}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rec = f.readAll();
    ASSERT_EQ(rec.size(), 3414);
    EXPECT_EQ(rec.mid(0, 3), QByteArray("\x02\x53\xEC", 3)); // Entrata "Sì"
    EXPECT_EQ(rec.mid(3, 3), QByteArray("\x02No", 3));       // Uscita "No"
    EXPECT_EQ(rec.mid(550, 6), QByteArray("\x05+0,00", 6));  // Totale
    EXPECT_EQ(yearOfFile(path), u"2026"_qs);
    EXPECT_EQ(yearFileName(u" 0000 "_qs), u"0000.eur"_qs);
}
