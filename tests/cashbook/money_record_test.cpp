#include "cashbook/money.h"
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

TEST(Money, AmountIsNormalisedOnItsDecimalDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "0,00"},
        {"   ", "0,00"},
        {"12", "12,00"},
        {",5", "0,50"},
        {"5,", "5,00"},
        {"12,5", "12,50"},
        {"3,456", "3,46"},
        {"3,455", "3,46"},
        {"1,005", "1,01"},
        {"0,145", "0,15"},
        {"1,004", "1,00"},
        {"9,995", "10,00"},
        {"99999,999", "100000,00"},
        {"007,10", "7,10"},
        {"0", "0,00"},
        {"1,2,3", "0,00"},
        {",", "0,00"},
        {"1.5", "0,00"},
        {"-5", "0,00"},
        {"1 000", "0,00"},
        {" 42,1 ", "42,10"},
        // Beyond the 15 significant digits of a double: every digit is kept.
        {"12345678901234567,891", "12345678901234567,89"},
    };
    for (const auto& [typed, normalised] : cases)
        EXPECT_EQ(normaliseAmount(QString::fromUtf8(typed)), QString::fromUtf8(normalised))
            << typed;
}

TEST(Money, SignedTotalsParseToExactCents) {
    const std::pair<const char*, std::optional<Cents>> cases[] = {
        {"+12,50", 1250},
        {"-0,30", -30},
        {"+0,00", 0},
        {"7", 700},
        {"+1,005", 101},
        {"-1,005", -101},
        {" -40,00 ", -4000},
        {"+99999999999,99", 9999999999999},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"+1,2,3", std::nullopt},
        {"1e3", std::nullopt},
        {"+-5", std::nullopt},
        {"+1234567890123456789", std::nullopt}};
    for (const auto& [text, cents] : cases)
        EXPECT_EQ(parseCents(QString::fromUtf8(text)), cents) << text;
}

TEST(Money, CentsAreWrittenWithTwoDecimalsAndNoExponent) {
    EXPECT_EQ(formatCents(0), u"0,00"_qs);
    EXPECT_EQ(formatCents(5), u"0,05"_qs);
    EXPECT_EQ(formatCents(-30), u"-0,30"_qs);
    EXPECT_EQ(formatCents(125050), u"1250,50"_qs);
    const CentsTotal huge = CentsTotal(9999999999999) * 100000; // 100,000 of the largest
    EXPECT_EQ(formatCents(huge), u"9999999999999000,00"_qs);
    EXPECT_EQ(formatCents(-huge), u"-9999999999999000,00"_qs);
}
