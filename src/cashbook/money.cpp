#include "cashbook/money.h"

#include "core/text.h"

namespace cashbook {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Splits "123,456" into its integer and decimal digits; false when the text holds anything but
// digits and at most one comma, or no digit at all.
bool splitDecimal(QStringView s, QString& whole, QString& decimals) {
    const qsizetype comma = s.indexOf(u',');
    const QStringView w = comma < 0 ? s : s.left(comma);
    const QStringView d = comma < 0 ? QStringView() : s.mid(comma + 1);
    for (QChar c : w)
        if (!isDigit(c)) return false;
    for (QChar c : d)
        if (!isDigit(c)) return false;
    if (w.isEmpty() && d.isEmpty()) return false;
    qsizetype lead = 0;
    while (lead < w.size() - 1 && w[lead] == u'0')
        ++lead;
    whole = w.isEmpty() ? QStringLiteral("0") : w.mid(lead).toString();
    decimals = d.toString();
    return true;
}

// whole + two decimals, rounded half up on the third decimal, as one digit string.
QString roundedDigits(const QString& whole, const QString& decimals) {
    QString digits = whole + (decimals + QStringLiteral("00")).left(2);
    if (decimals.size() > 2 && decimals[2] >= u'5') {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits[i] == u'9')
            digits[i--] = u'0';
        if (i < 0)
            digits.prepend(u'1');
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    return digits;
}

} // namespace

QString normaliseAmount(const QString& typed) {
    const QString s = core::trimText(typed);
    QString whole, decimals;
    if (s.isEmpty() || !splitDecimal(s, whole, decimals)) return QStringLiteral("0,00");
    QString digits = roundedDigits(whole, decimals);
    return digits.left(digits.size() - 2) + u',' + digits.right(2);
}

std::optional<Cents> parseCents(QStringView text) {
    const QString trimmed = core::trimText(text.toString());
    QStringView s = trimmed;
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'+' || s.front() == u'-')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    QString whole, decimals;
    if (!splitDecimal(s, whole, decimals)) return std::nullopt;
    const QString digits = roundedDigits(whole, decimals);
    if (digits.size() > 18) return std::nullopt; // beyond any stored amount
    Cents cents = 0;
    for (QChar c : digits)
        cents = cents * 10 + (c.unicode() - u'0');
    return negative ? -cents : cents;
}

QString formatCents(CentsTotal cents) {
    const bool negative = cents < 0;
    unsigned __int128 v = negative ? static_cast<unsigned __int128>(-(cents + 1)) + 1
                                   : static_cast<unsigned __int128>(cents);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    } while (v != 0);
    while (digits.size() < 3)
        digits.prepend(u'0');
    QString out = digits.left(digits.size() - 2) + u',' + digits.right(2);
    if (negative) out.prepend(u'-');
    return out;
}

} // namespace cashbook
