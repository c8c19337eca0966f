#include "checks/rules.h"

#include <array>

namespace checks {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isUpperLetter(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// Weights of the characters "0".."Z" (codes 48..90); the punctuation between "9" and "A"
// (codes 58..64) weighs 0 in both tables.
constexpr int kFirst = '0';
constexpr int kLast = 'Z';

constexpr std::array<int, kLast - kFirst + 1> makeTable(const int (&digits)[10],
                                                        const int (&letters)[26]) {
    std::array<int, kLast - kFirst + 1> t{};
    for (int i = 0; i < 10; ++i)
        t[i] = digits[i];
    for (int i = 0; i < 26; ++i)
        t['A' - kFirst + i] = letters[i];
    return t;
}

constexpr int kOddDigits[10] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr int kOddLetters[26] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
constexpr int kEvenDigits[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kEvenLetters[26] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                  13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

constexpr auto kOddWeights = makeTable(kOddDigits, kOddLetters);
constexpr auto kEvenWeights = makeTable(kEvenDigits, kEvenLetters);

} // namespace

std::optional<QChar> fiscalCodeControlChar(QStringView first15) {
    if (first15.size() < 15) return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const int code = first15[i].unicode();
        if (code < kFirst || code > kLast) return std::nullopt;
        // Position 1 (index 0) is odd.
        sum += (i % 2 == 0 ? kOddWeights : kEvenWeights)[code - kFirst];
    }
    return QChar(u'A' + sum % 26);
}

bool fiscalCodeValid(QStringView code) {
    if (code.size() != 16) return false;
    const auto control = fiscalCodeControlChar(code.first(15));
    return control && *control == code[15];
}

int vatCheckDigit(QStringView first10) {
    if (first10.size() < 10) return -1;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        if (!isDigit(first10[i])) return -1;
        const int d = first10[i].unicode() - '0';
        if (i % 2 == 0) {
            sum += d; // d1, d3, ... d9
        } else {
            const int twice = 2 * d;
            sum += twice / 10 + twice % 10;
        }
    }
    return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

bool vatNumberValid(QStringView number) {
    if (number.size() != 11 || !isDigit(number[10])) return false;
    const int check = vatCheckDigit(number.first(10));
    return check >= 0 && check == number[10].unicode() - '0';
}

QString vatOfficeName(QStringView code) {
    for (const VatOffice& office : vatOffices())
        if (code == QLatin1StringView(office.code)) return QString::fromUtf8(office.name);
    return {};
}

int ibanRemainder(QStringView text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ') s += (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
    const qsizetype iban = s.indexOf(u"IBAN");
    if (iban >= 0) s.remove(iban, 4);
    s = s.mid(4) + s.left(4);

    QString digits;
    digits.reserve(2 * s.size());
    for (QChar c : s) {
        if (isDigit(c))
            digits += c;
        else if (isUpperLetter(c))
            digits += QString::number(c.unicode() - 'A' + 10);
        else
            return 0; // the piecewise conversion fails on anything else
    }
    if (digits.isEmpty()) return 0;

    // Nine digits at a time, each piece led by the remainder of the previous one, so every
    // piece fits comfortably in an integer.
    QString carry;
    qsizetype pos = 0;
    while (pos < digits.size()) {
        const qsizetype take = 9 - carry.size();
        const QString piece = carry + digits.mid(pos, take);
        pos += take;
        carry = QString::number(piece.toLongLong() % 97);
    }
    return carry.toInt();
}

QString cardDigits(QStringView text) {
    QString digits;
    for (QChar c : text.first(std::min<qsizetype>(text.size(), 20)))
        if (isDigit(c)) digits += c;
    return digits;
}

bool luhnValid(QStringView digits) {
    if (digits.isEmpty()) return false;
    int sum = 0;
    bool twice = true; // the digit just before the check digit is doubled
    for (qsizetype i = digits.size() - 2; i >= 0; --i, twice = !twice) {
        int d = digits[i].unicode() - '0';
        if (twice) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    const int expected = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return expected == digits.back().unicode() - '0';
}

int cardTypeCode(QStringView text) {
    const QString digits = cardDigits(text);
    if (!luhnValid(digits)) return 0;
    return digits.front().unicode() - '0' - 2;
}

CardVerdict cardVerdict(QStringView text) {
    switch (cardTypeCode(text)) {
    case 1: {
        // The issuer of a number starting with 3 is told by the first two characters typed.
        const QStringView p = text.first(std::min<qsizetype>(text.size(), 2));
        if (p == u"30" || p == u"36" || p == u"38") return CardVerdict::DinersClub;
        if (p == u"34" || p == u"37") return CardVerdict::AmericanExpress;
        if (p == u"31" || p == u"33" || p == u"35") return CardVerdict::Jcb;
        return CardVerdict::NoMessage;
    }
    case 2:
        return CardVerdict::Visa;
    case 3:
        return CardVerdict::MasterCard;
    case 4:
        return CardVerdict::Discover;
    default:
        return CardVerdict::Errato;
    }
}

QString cardTypeName(CardVerdict verdict) {
    switch (verdict) {
    case CardVerdict::DinersClub:
        return QStringLiteral("Diner's Club / Carte Blanche");
    case CardVerdict::AmericanExpress:
        return QStringLiteral("American Express");
    case CardVerdict::Jcb:
        return QStringLiteral("JCB");
    case CardVerdict::Visa:
        return QStringLiteral("Visa");
    case CardVerdict::MasterCard:
        return QStringLiteral("MasterCard");
    case CardVerdict::Discover:
        return QStringLiteral("Discover");
    case CardVerdict::Errato:
    case CardVerdict::NoMessage:
        break;
    }
    return {};
}

} // namespace checks
