#include "core/dates.h"

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
    const char16_t text[10] = {char16_t(u'0' + d / 10),       char16_t(u'0' + d % 10), u'/',
                               char16_t(u'0' + m / 10),       char16_t(u'0' + m % 10), u'/',
                               char16_t(u'0' + y / 1000),     char16_t(u'0' + y / 100 % 10),
                               char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

std::optional<int> compareDates(const QString& a, const QString& b, const QDate& today) {
    const auto da = parseDate(a, today);
    const auto db = parseDate(b, today);
    if (!da || !db) return std::nullopt;
    const qint64 diff = da->toJulianDay() - db->toJulianDay();
    return diff < 0 ? -1 : (diff > 0 ? 1 : 0);
}

} // namespace core
