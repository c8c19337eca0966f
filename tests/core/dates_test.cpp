#include "core/dates.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 3, 15);

struct DateCase {
    const char* text;
    QDate expected; // invalid: not a date
};

TEST(Dates, ValidDateTable) {
    const DateCase cases[] = {
        {"1/2/2024", {2024, 2, 1}},
        {"01/02/2024", {2024, 2, 1}},
        {"  01 / 02 / 2024  ", {2024, 2, 1}},
        {"  15/03  ", {2026, 3, 15}},
        {"15/03/", {2026, 3, 15}},
        {"15/03/2024/", {2024, 3, 15}},
        {"1/2", {2026, 2, 1}},
        {"01/02/24", {2024, 2, 1}},
        {"01/02/25", {2025, 2, 1}},
        {"01/02/80", {1980, 2, 1}},
        {"01/02/76", {1976, 2, 1}},
        {"01/02/75", {2075, 2, 1}},
        {"01/02/0", {2000, 2, 1}},
        {"01/02/024", {24, 2, 1}}, // three digits are taken as written
        {"0001/0002/2024", {2024, 2, 1}},
        {"29/02/2024", {2024, 2, 29}},
        {"31/12/9999", {9999, 12, 31}},
        {"01/01/0001", {1, 1, 1}},
        {"29/02/2000", {2000, 2, 29}},
        {"31/04/2024", {}},
        {"29/02/2023", {}},
        {"29/02/1900", {}},
        {"30/02/2024", {}},
        {"01-02-2024", {}},
        {"2024/02/01", {}},
        {"00/00/0000", {}},
        {"01/01/0000", {}},
        {"00/01/2024", {}},
        {"01/13/2024", {}},
        {"99999", {}},
        {"15", {}},
        {"1/2/3/4", {}},
        {"01/02/20245", {}},
        {"", {}},
        {"   ", {}},
        {"/02/2024", {}},
        {"a1/02/2024", {}},
        {"01/02/2024x", {}},
        {"1//2", {}},
        {"01/02 2024", {}},
        {"\uff11/02/2024", {}}, // full-width digit
    };
    for (const DateCase& c : cases) {
        const auto parsed = core::parseDate(QString::fromUtf8(c.text), kToday);
        EXPECT_EQ(parsed.has_value(), c.expected.isValid()) << c.text;
        EXPECT_EQ(core::isValidDate(QString::fromUtf8(c.text), kToday), c.expected.isValid())
            << c.text;
        if (parsed && c.expected.isValid()) {
            EXPECT_EQ(*parsed, c.expected) << c.text;
        }
    }
}

TEST(Dates, YearWindowFollowsToday) {
    EXPECT_EQ(core::windowedYear(25, 2026), 2025);
    EXPECT_EQ(core::windowedYear(80, 2026), 1980);
    EXPECT_EQ(core::windowedYear(76, 2026), 1976);
    EXPECT_EQ(core::windowedYear(75, 2026), 2075);
    EXPECT_EQ(core::windowedYear(49, 2000), 2049);
    EXPECT_EQ(core::windowedYear(50, 2000), 1950);
    EXPECT_EQ(*core::parseDate(QStringLiteral("1/1/79"), QDate(2030, 1, 1)), QDate(2079, 1, 1));
    EXPECT_EQ(*core::parseDate(QStringLiteral("1/1/80"), QDate(2030, 1, 1)), QDate(1980, 1, 1));
}

TEST(Dates, FormatAndCompareAsCalendarDays) {
    EXPECT_EQ(core::formatDate(QDate(2025, 3, 5)), QStringLiteral("05/03/2025"));
    EXPECT_EQ(core::formatDate(QDate(812, 12, 31)), QStringLiteral("31/12/0812"));
    // Text order and day order differ: 02/01/2025 is later than 31/12/2024.
    EXPECT_EQ(
        core::compareDates(QStringLiteral("02/01/2025"), QStringLiteral("31/12/2024"), kToday), 1);
    EXPECT_EQ(core::compareDates(QStringLiteral("1/1/25"), QStringLiteral("01/01/2025"), kToday),
              0);
    EXPECT_EQ(
        core::compareDates(QStringLiteral("31/12/2024"), QStringLiteral("01/01/2025"), kToday), -1);
    EXPECT_FALSE(
        core::compareDates(QStringLiteral("31/04/2024"), QStringLiteral("01/01/2025"), kToday));
}

} // namespace

// Lists read every stored date and number from the bytes; whatever the bytes hold, the answer
// must be the one the typed-text readers give for the same text.
TEST(Dates, StoredDatesAndNumbersReadAsTheirTexts) {
    const QDate today(2026, 6, 15);
    const char* dates[] = {"15/03/2026", "31/04/2026", "29/02/2024", "29/02/2025", "00/01/2026",
                           "01/13/2026", "01/01/0000", "1/2/26",     "15/03",      "15-03-2026",
                           "15/03/2O26", "",           "31/12/9999", "01/01/0001"};
    for (const char* d : dates)
        EXPECT_EQ(core::parseStoredDate(QByteArrayView(d), today),
                  core::parseDate(QString::fromLatin1(d), today))
            << d;
    const char* numbers[] = {"0",  "7",  "30", "000012", "999999999", "1234567890", "99999999999",
                             "+5", "-3", "",   "x",      "1 2",       "3a"};
    for (const char* n : numbers) {
        bool whole = false;
        const int v = QString::fromLatin1(n).toInt(&whole);
        EXPECT_EQ(core::parseStoredNumber(QByteArrayView(n)),
                  whole ? std::optional<int>(v) : std::nullopt)
            << n;
    }
}
