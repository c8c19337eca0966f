#include "core/list_text.h"

#include "core/text.h"

#include <algorithm>

namespace core {

namespace {
inline char16_t foldUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
inline char16_t foldLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}
} // namespace

int compareListText(QStringView a, QStringView b) {
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (true) {
        // Skip the run of identical code units in one go; fold only where they differ.
        i = std::mismatch(pa + i, pa + n, pb + i).first - pa;
        if (i == n) break;
        const char16_t ca = foldUpper(pa[i]);
        const char16_t cb = foldUpper(pb[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void sortListLines(QStringList& lines) {
    SortedLines sorted;
    sorted.reserve(lines.size());
    for (QString& line : lines)
        sorted.append(std::move(line));
    lines = sorted.take();
}

void SortedLines::reserve(qsizetype n) {
    lines_.reserve(size_t(n));
    records_.reserve(size_t(n));
    entries_.reserve(size_t(n));
}

void SortedLines::append(QString line) {
    // Comparing whole lines would touch two strings scattered on the heap at every step; the
    // first folded characters, packed into the sort entries, settle almost every comparison.
    // A character a byte cannot hold (and U+00FF itself) packs as 0xFF and ends the key with
    // zeros, so two keys that reach such a character tie and the lines decide. A shorter line
    // is padded with 0, which never orders it after a line it is a prefix of.
    Entry e{{}, qsizetype(lines_.size())};
    const auto* p = reinterpret_cast<const char16_t*>(line.utf16());
    const int n = int(std::min<qsizetype>(line.size(), kKeyChars));
    for (int c = 0; c < n; ++c) {
        const char16_t unit = foldUpper(p[c]);
        const quint64 byte = unit < 0xFF ? unit : 0xFF;
        e.key[size_t(c / 8)] |= byte << (8 * (7 - c % 8));
        if (byte == 0xFF) break;
    }
    entries_.push_back(e);
    lines_.push_back(std::move(line));
}

void SortedLines::append(QString line, qint64 record) {
    records_.push_back(record);
    append(std::move(line));
}

void SortedLines::sort() {
    std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
        for (size_t k = 0; k < a.key.size(); ++k)
            if (a.key[k] != b.key[k]) return a.key[k] < b.key[k];
        const int c = compareListText(lines_[size_t(a.index)], lines_[size_t(b.index)]);
        return c != 0 ? c < 0 : a.index < b.index; // equal texts keep their order
    });
}

QStringList SortedLines::take() {
    sort();
    return collect();
}

QStringList SortedLines::collect() {
    QStringList out;
    out.reserve(qsizetype(entries_.size()));
    for (const Entry& e : entries_)
        out.append(std::move(lines_[size_t(e.index)]));
    lines_.clear();
    records_.clear();
    entries_.clear();
    return out;
}

QStringList SortedLines::take(std::vector<qint64>& records) {
    records.clear();
    records.reserve(entries_.size());
    if (records_.size() == lines_.size()) {
        sort();
        for (const Entry& e : entries_)
            records.push_back(records_[size_t(e.index)]);
        return collect();
    }
    return take();
}

bool containsFolded(QStringView text, QStringView keyLower) {
    const qsizetype m = keyLower.size();
    if (m == 0) return true;
    const qsizetype last = text.size() - m;
    const QChar* t = text.data();
    const QChar* k = keyLower.data();
    const char16_t first = k[0].unicode();
    for (qsizetype i = 0; i <= last; ++i) {
        if (foldLower(t[i].unicode()) != first) continue;
        qsizetype j = 1;
        while (j < m && foldLower(t[i + j].unicode()) == k[j].unicode())
            ++j;
        if (j == m) return true;
    }
    return false;
}

bool containsFolded(QByteArrayView text, QByteArrayView keyLower) {
    const qsizetype m = keyLower.size();
    if (m == 0) return true;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    const qsizetype last = text.size() - m;
    for (qsizetype i = 0; i <= last; ++i) {
        if (lower(text[i]) != keyLower[0]) continue;
        qsizetype j = 1;
        while (j < m && lower(text[i + j]) == keyLower[j])
            ++j;
        if (j == m) return true;
    }
    return false;
}

int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastKey,
               EmptyKey emptyKey) {
    const int count = int(lines.size());
    if (count == 0) return -1;
    if (selected < 0 || selected >= count) selected = 0;
    const QString key = lowerAscii(typed);
    const int start = key == lastKey ? (selected + 1) % count : 0;
    lastKey = key;
    if (key.isEmpty() && emptyKey == EmptyKey::FindsNothing) return selected;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (containsFolded(lines[i], key)) return i;
    }
    return selected;
}

QString emptyListFindMessage() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

} // namespace core
