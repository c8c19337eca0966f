#include "core/money.h"
#include "core/workbook.h"

#include <gtest/gtest.h>

using namespace core;

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
        {"+5", "0,00"},
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

// The stored-bytes reading takes a shortcut for the usual "+1234,56"; it must give what the text
// reading gives on both sides of every edge of that shortcut, and the workbook's exact amounts
// must be the same cents.
TEST(Money, EveryReadingOfAnAmountAgreesAtTheLimits) {
    const std::pair<const char*, std::optional<Cents>> cases[] = {
        {"+0,00", 0},
        {"-0,00", 0},
        {"+1,00", 100},                           // shortest of the shortcut
        {"+,50", 50},                             // one byte shorter
        {"+12,5", 1250},                          // comma not third from the end
        {"+99999999999999,99", 9999999999999999}, // longest of the shortcut
        {"-99999999999999,99", -9999999999999999},
        {"+999999999999999,99", 99999999999999999},   // one byte longer
        {"+9999999999999999,99", 999999999999999999}, // the most cents that are read
        {"+99999999999999999,99", std::nullopt},      // one digit more
        {"+9999999999999999,995", std::nullopt},      // rounds past the limit
        {"+9999999999999999,994", 999999999999999999},
        {"+00000000000001,00", 100}, // leading zeros in the shortcut
        {"+1,005", 101},
        {"-1,005", -101},
        {"+1,00499999", 100},
        {"1,00", 100}, // no sign
        {"+1a,00", std::nullopt},
        {"+1,0a", std::nullopt},
        {"+ 1,00", std::nullopt},
        {"+1.00", std::nullopt},
        {"++1,00", std::nullopt},
        {"+1,0\xec", std::nullopt}, // a stored byte that is no digit
        {"+,", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, cents] : cases) {
        const QByteArray bytes(text);
        const QString asText = QString::fromLatin1(bytes);
        EXPECT_EQ(parseCents(QByteArrayView(bytes)), cents) << text;
        EXPECT_EQ(parseCents(QStringView(asText)), cents) << text;
        const std::optional<Decimal> d = Decimal::parse(asText);
        EXPECT_EQ(d ? d->cents() : std::nullopt, cents) << text;
        // The workbook types only exact amounts; those it types are the same cents.
        if (const std::optional<qint64> typed = workbookCents(bytes)) {
            EXPECT_EQ(std::optional<Cents>(*typed), cents) << text;
        }
    }
}

TEST(Money, DecimalsAreRoundedHalfUpAndShownWithTheirPlaces) {
    const struct {
        const char* text;
        int places;
        const char* shown;
    } cases[] = {
        {"12,34567", 4, "12,3457"}, {"12,300", 4, "12,30"},   {"12,00001", 4, "12,00"},
        {"9,99995", 4, "10,00"},    {"0,00015", 4, "0,0002"}, {"-2,345", 2, "-2,35"},
        {"-0,004", 2, "0,00"},      {"7", 0, "7,00"},         {"0,5", 0, "1,00"},
        {"000", 2, "0,00"},
    };
    for (const auto& c : cases) {
        const std::optional<Decimal> d = Decimal::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(d->rounded(c.places).text(), QString::fromUtf8(c.shown)) << c.text;
    }
    EXPECT_FALSE(Decimal::parse(u"-5", false));
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
