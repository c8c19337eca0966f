#include "core/money.h"

#include "core/text.h"

#include <algorithm>

namespace core {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// Adds one to a run of decimal digits; false when it carries out of the first digit.
bool increment(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return true;
        }
        digits[i] = u'0';
    }
    return false;
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView text, bool signAllowed) {
    QStringView s = trimmedView(text);
    Decimal d;
    if (signAllowed && !s.isEmpty() && (s.front() == u'+' || s.front() == u'-')) {
        d.negative_ = s.front() == u'-';
        s = s.mid(1);
    }
    const qsizetype comma = s.indexOf(u',');
    const QStringView w = comma < 0 ? s : s.left(comma);
    const QStringView f = comma < 0 ? QStringView() : s.mid(comma + 1);
    if (w.isEmpty() && f.isEmpty()) return std::nullopt;
    for (QChar c : w)
        if (!isDigit(c)) return std::nullopt;
    for (QChar c : f)
        if (!isDigit(c)) return std::nullopt;
    qsizetype lead = 0;
    while (lead < w.size() - 1 && w[lead] == u'0')
        ++lead;
    d.whole_ = w.isEmpty() ? QStringLiteral("0") : w.mid(lead).toString();
    d.decimals_ = f.toString();
    return d;
}

Decimal Decimal::rounded(int places) const {
    Decimal r = *this;
    if (r.decimals_.size() <= places) return r;
    const bool up = r.decimals_[places] >= u'5';
    r.decimals_.truncate(places);
    if (up && !increment(r.decimals_) && !increment(r.whole_)) r.whole_.prepend(u'1');
    return r;
}

QString Decimal::text(int minPlaces) const {
    qsizetype places = decimals_.size();
    while (places > minPlaces && decimals_[places - 1] == u'0')
        --places;
    QString out;
    out.reserve(whole_.size() + std::max<qsizetype>(places, minPlaces) + 2);
    // No "-0,00": a total rounded to nothing has no sign.
    const auto nonZero = [](QChar c) { return c != u'0'; };
    if (negative_ && (std::any_of(whole_.begin(), whole_.end(), nonZero) ||
                      std::any_of(decimals_.begin(), decimals_.begin() + places, nonZero)))
        out += u'-';
    out += whole_;
    out += u',';
    out += QStringView(decimals_).left(places);
    for (qsizetype i = places; i < minPlaces; ++i)
        out += u'0';
    return out;
}

std::optional<Cents> Decimal::cents() const {
    const Decimal r = rounded(2);
    if (r.whole_.size() + 2 > 18) return std::nullopt;
    Cents cents = 0;
    for (QChar c : r.whole_)
        cents = cents * 10 + (c.unicode() - u'0');
    for (int i = 0; i < 2; ++i)
        cents = cents * 10 + (i < r.decimals_.size() ? r.decimals_[i].unicode() - u'0' : 0);
    return r.negative_ ? -cents : cents;
}

QString normaliseAmount(const QString& typed, int maxPlaces) {
    const std::optional<Decimal> d = Decimal::parse(typed, false);
    if (!d) return QStringLiteral("0,00");
    return d->rounded(maxPlaces).text(2);
}

std::optional<Cents> parseCents(QStringView text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    return d ? d->cents() : std::nullopt;
}

std::optional<Cents> parseCents(QByteArrayView t) {
    const qsizetype n = t.size();
    if (n >= 5 && n <= 18 && (t[0] == '+' || t[0] == '-') && t[n - 3] == ',') {
        Cents cents = 0;
        bool digits = true;
        for (qsizetype i = 1; i < n && digits; ++i) {
            if (i == n - 3) continue;
            const int d = digit(t[i]);
            digits = d >= 0;
            cents = cents * 10 + d;
        }
        if (digits) return t[0] == '-' ? -cents : cents;
    }
    // Bytes other than ASCII are never digits, so Latin-1 reads them well enough to refuse.
    return parseCents(QString::fromLatin1(t.data(), t.size()));
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

} // namespace core
