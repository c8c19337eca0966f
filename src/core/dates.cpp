#include "core/dates.h"

#include "core/win1252.h"

#include <algorithm>

namespace core {

namespace {

bool isBlank(QChar c) {
    return c == u' ';
}

// Reads one run of 1 to 4 digits at `pos`; false when there is none or it is longer.
bool readNumber(const QString& s, qsizetype& pos, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9') {
        if (++digits > 4) return false;
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
    }
    return digits > 0;
}

void skipBlanks(const QString& s, qsizetype& pos) {
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
}

// After a number: blanks, then "/" if there is one. True when a "/" was taken.
bool takeSeparator(const QString& s, qsizetype& pos) {
    skipBlanks(s, pos);
    if (pos < s.size() && s[pos] == u'/') {
        ++pos;
        skipBlanks(s, pos);
        return true;
    }
    return false;
}

} // namespace

int windowedYear(int digits, int currentYear) {
    const int base = currentYear - 50;
    int year = (base / 100) * 100 + digits;
    if (year < base) year += 100;
    return year;
}

std::optional<QDate> parseDate(const QString& text, const QDate& today) {
    const QString& s = text;
    qsizetype pos = 0;
    skipBlanks(s, pos);

    int day = 0, month = 0, year = 0, digits = 0, yearDigits = 0;
    if (!readNumber(s, pos, day, digits) || !takeSeparator(s, pos)) return std::nullopt;
    if (!readNumber(s, pos, month, digits)) return std::nullopt;
    bool haveYear = false;
    if (takeSeparator(s, pos) && pos < s.size()) {
        if (!readNumber(s, pos, year, yearDigits)) return std::nullopt;
        haveYear = true;
        takeSeparator(s, pos); // a trailing "/" is tolerated
    }
    skipBlanks(s, pos);
    if (pos != s.size()) return std::nullopt;

    if (!haveYear)
        year = today.year();
    else if (yearDigits <= 2)
        year = windowedYear(year, today.year());
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

bool isValidDate(const QString& text, const QDate& today) {
    return parseDate(text, today).has_value();
}

QString formatDate(const QDate& date) {
    // By hand: QDate::toString parses its format each time, and imports format many dates.
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    const char16_t text[10] = {
        char16_t(u'0' + d / 10),   char16_t(u'0' + d % 10),       u'/',
        char16_t(u'0' + m / 10),   char16_t(u'0' + m % 10),       u'/',
        char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10), char16_t(u'0' + y / 10 % 10),
        char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

std::optional<int> compareDates(const QString& a, const QString& b, const QDate& today) {
    const auto da = parseDate(a, today);
    const auto db = parseDate(b, today);
    if (!da || !db) return std::nullopt;
    const qint64 diff = da->toJulianDay() - db->toJulianDay();
    return diff < 0 ? -1 : (diff > 0 ? 1 : 0);
}

std::optional<QDate> parseStoredDate(QByteArrayView b, const QDate& today) {
    const auto digit = [&b](int i) { return b[i] >= '0' && b[i] <= '9' ? b[i] - '0' : -1; };
    if (b.size() == 10 && b[2] == '/' && b[5] == '/') {
        const int d[] = {digit(0), digit(1), digit(3), digit(4),
                         digit(6), digit(7), digit(8), digit(9)};
        if (std::all_of(std::begin(d), std::end(d), [](int x) { return x >= 0; })) {
            const int day = d[0] * 10 + d[1], month = d[2] * 10 + d[3];
            const int year = d[4] * 1000 + d[5] * 100 + d[6] * 10 + d[7];
            if (!QDate::isValid(year, month, day)) return std::nullopt;
            return QDate(year, month, day);
        }
    }
    return parseDate(fromWin1252(b.data(), b.size()), today);
}

std::optional<int> parseStoredNumber(QByteArrayView b) {
    if (!b.isEmpty() && b.size() <= 9 &&
        std::all_of(b.begin(), b.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int v = 0;
        for (char c : b)
            v = v * 10 + (c - '0');
        return v;
    }
    bool whole = false;
    const int v = fromWin1252(b.data(), b.size()).toInt(&whole);
    return whole ? std::optional<int>(v) : std::nullopt;
}

} // namespace core
