#include "core/text.h"

namespace core {

static bool isTrimmable(QChar c) {
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

QStringView trimmedView(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isTrimmable(s[b]))
        ++b;
    while (e > b && isTrimmable(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

QString trimText(const QString& s) {
    const QStringView t = trimmedView(s);
    return t.size() == s.size() ? s : t.toString();
}

QString upperAscii(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return r;
}

QString lowerAscii(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return r;
}

} // namespace core
