#include "core/list_text.h"

#include "core/text.h"

#include <algorithm>

namespace core {

namespace {
inline char16_t foldUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
inline char16_t foldLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }
} // namespace

int compareListText(QStringView a, QStringView b) {
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (true) {
        // Skip the run of identical code units in one go; fold only where they differ.
        i = std::mismatch(pa + i, pa + n, pb + i).first - pa;
        if (i == n)
            break;
        const char16_t ca = foldUpper(pa[i]);
        const char16_t cb = foldUpper(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void sortListLines(QStringList& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString& x, const QString& y) { return compareListText(x, y) < 0; });
}

bool containsFolded(QStringView text, QStringView keyLower) {
    const qsizetype m = keyLower.size();
    if (m == 0)
        return true;
    const qsizetype last = text.size() - m;
    const QChar* t = text.data();
    const QChar* k = keyLower.data();
    const char16_t first = k[0].unicode();
    for (qsizetype i = 0; i <= last; ++i) {
        if (foldLower(t[i].unicode()) != first)
            continue;
        qsizetype j = 1;
        while (j < m && foldLower(t[i + j].unicode()) == k[j].unicode())
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastKey) {
    const int count = int(lines.size());
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString key = lowerAscii(typed);
    const int start = key == lastKey ? (selected + 1) % count : 0;
    lastKey = key;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (containsFolded(lines[i], key))
            return i;
    }
    return selected;
}

QString emptyListFindMessage() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

} // namespace core
