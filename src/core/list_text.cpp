#include "core/list_text.h"

#include "core/large_buffer.h"
#include "core/text.h"

#include <algorithm>
#include <bit>

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

namespace {

// Packs the folded characters [from, from + 16) of a line into two words, most significant
// first. A character a byte cannot hold (and U+00FF itself) packs as 0xFF and ends the key with
// zeros, so two keys that reach such a character tie and the texts decide. A shorter line is
// padded with 0, which never orders it after a line it is a prefix of.
std::array<quint64, 2> packKey(QStringView line, qsizetype from) {
    std::array<quint64, 2> key{};
    const auto* p = reinterpret_cast<const char16_t*>(line.utf16());
    const qsizetype n = std::min<qsizetype>(line.size() - from, 16);
    for (qsizetype c = 0; c < n; ++c) {
        const char16_t unit = foldUpper(p[from + c]);
        const quint64 byte = unit < 0xFF ? unit : 0xFF;
        key[size_t(c / 8)] |= byte << (8 * (7 - c % 8));
        if (byte == 0xFF) break;
    }
    return key;
}

bool hasEscape(const std::array<quint64, 2>& key) {
    for (quint64 word : key)
        for (int b = 0; b < 8; ++b)
            if (((word >> (8 * b)) & 0xFF) == 0xFF) return true;
    return false;
}

} // namespace

void SortedLines::append(QString line) {
    entries_.push_back({packKey(line, 0), qsizetype(lines_.size())});
    lines_.push_back(std::move(line));
}

void SortedLines::append(QString line, qint64 record) {
    records_.push_back(record);
    append(std::move(line));
}

void SortedLines::sort() {
    struct Lines : SortTexts {
        const std::vector<QString>& lines;
        explicit Lines(const std::vector<QString>& l) : lines(l) {}
        std::array<quint64, 2> key(qsizetype i, qsizetype from) const override {
            return packKey(lines[size_t(i)], from);
        }
        qsizetype length(qsizetype i) const override { return lines[size_t(i)].size(); }
        int compare(qsizetype a, qsizetype b, qsizetype from) const override {
            return compareListText(QStringView(lines[size_t(a)]).mid(from),
                                   QStringView(lines[size_t(b)]).mid(from));
        }
    };
    sortEntries(entries_, Lines(lines_));
}

namespace {

using EntryIt = std::span<SortEntry>::iterator;
struct TiedRun { // entries tied on their first `depth` characters
    EntryIt first, last;
    qsizetype depth;
};

// Orders a run of entries whose keys are equal: at once when a key reached a character it
// cannot hold or every text has ended, else it waits in `tied` to be packed further on.
void settleTie(EntryIt first, EntryIt last, qsizetype depth, const SortTexts& texts,
               std::vector<TiedRun>& tied) {
    if (hasEscape(first->key)) {
        std::sort(first, last, [&texts, depth](const SortEntry& x, const SortEntry& y) {
            const int c = texts.compare(x.index, y.index, depth);
            return c != 0 ? c < 0 : x.index < y.index;
        });
        return;
    }
    const qsizetype next = depth + 16;
    for (EntryIt e = first; e != last; ++e)
        if (texts.length(e->index) > next) {
            tied.push_back({first, last, next});
            return;
        }
    // Every text ended within the key: the shorter comes first, then the order added.
    std::sort(first, last, [&texts](const SortEntry& x, const SortEntry& y) {
        const qsizetype sx = texts.length(x.index);
        const qsizetype sy = texts.length(y.index);
        return sx != sy ? sx < sy : x.index < y.index;
    });
}

inline bool sameKey(const SortEntry& a, const SortEntry& b) {
    return a.key[0] == b.key[0] && a.key[1] == b.key[1];
}
inline bool keyLess(const SortEntry& a, const SortEntry& b) {
    return a.key[0] != b.key[0] ? a.key[0] < b.key[0] : a.key[1] < b.key[1];
}

// Sorts a run on its keys (equal keys in no particular order), byte by byte from the most
// significant: a radix pass costs a few reads of each entry where a comparison sort of a
// hundred thousand entries compares each one some seventeen times. Bytes every entry of a
// run shares are skipped in one look, which is where padding and repeated words go.
void radixSort(SortEntry* first, SortEntry* last, SortEntry* scratch) {
    constexpr std::ptrdiff_t kSmall = 48; // below this a comparison sort is quicker
    const std::ptrdiff_t n = last - first;
    if (n < kSmall) {
        std::sort(first, last, keyLess);
        return;
    }
    quint64 differ0 = 0, differ1 = 0;
    for (const SortEntry* e = first; e != last; ++e) {
        differ0 |= e->key[0] ^ first->key[0];
        differ1 |= e->key[1] ^ first->key[1];
    }
    if ((differ0 | differ1) == 0) return; // all equal
    const int word = differ0 != 0 ? 0 : 1;
    const int shift = 56 - (std::countl_zero(word == 0 ? differ0 : differ1) / 8) * 8;
    const auto byteOf = [word, shift](const SortEntry& e) {
        return size_t((e.key[size_t(word)] >> shift) & 0xFF);
    };
    std::array<std::ptrdiff_t, 257> at{};
    for (const SortEntry* e = first; e != last; ++e)
        ++at[byteOf(*e) + 1];
    for (size_t b = 1; b < at.size(); ++b)
        at[b] += at[b - 1];
    const std::array<std::ptrdiff_t, 257> bounds = at;
    for (const SortEntry* e = first; e != last; ++e)
        scratch[at[byteOf(*e)]++] = *e;
    std::copy(scratch, scratch + n, first);
    for (size_t b = 0; b < 256; ++b)
        if (bounds[b + 1] - bounds[b] > 1)
            radixSort(first + bounds[b], first + bounds[b + 1], scratch);
}

} // namespace

void sortEntries(std::span<SortEntry> entries, const SortTexts& texts) {
    // Tied entries are packed again level by level, reading their texts in the order they were
    // added, which is their order in memory: read in sorted order (or compared two by two),
    // every text would be a cache miss.
    std::vector<TiedRun> runs{{entries.begin(), entries.end(), 0}};
    LargeVector<std::array<quint64, 2>> fresh;
    LargeVector<qsizetype> wanted; // by index: the depth to pack from, or -1
    LargeVector<SortEntry> scratch(entries.size());
    while (!runs.empty()) {
        std::vector<TiedRun> tied;
        for (const TiedRun& r : runs) {
            // Padding often leaves a whole run equal again: nothing to sort then.
            const bool allEqual = std::all_of(
                r.first, r.last, [&](const SortEntry& e) { return sameKey(e, *r.first); });
            if (!allEqual) radixSort(&*r.first, &*r.first + (r.last - r.first), scratch.data());
            for (EntryIt run = r.first; run != r.last;) {
                EntryIt end = allEqual ? r.last : run + 1;
                while (end != r.last && sameKey(*end, *run))
                    ++end;
                if (end - run > 1) settleTie(run, end, r.depth, texts, tied);
                run = end;
            }
        }
        if (tied.empty()) break;
        if (fresh.empty()) {
            fresh.resize(entries.size());
            wanted.assign(entries.size(), -1);
        }
        for (const TiedRun& r : tied)
            for (EntryIt e = r.first; e != r.last; ++e)
                wanted[size_t(e->index)] = r.depth;
        for (size_t i = 0; i < wanted.size(); ++i)
            if (wanted[i] >= 0) {
                fresh[i] = texts.key(qsizetype(i), wanted[i]);
                wanted[i] = -1;
            }
        for (const TiedRun& r : tied)
            for (EntryIt e = r.first; e != r.last; ++e)
                e->key = fresh[size_t(e->index)];
        runs = std::move(tied);
    }
}

QStringList SortedLines::take() {
    sort();
    return collect();
}

QStringList SortedLines::collect() {
    QStringList out;
    out.reserve(qsizetype(entries_.size()));
    for (const SortEntry& e : entries_)
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
        for (const SortEntry& e : entries_)
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
    return findInList(
        int(lines.size()), [&lines](int i) { return lines[i]; }, selected, typed, lastKey,
        emptyKey);
}

int findInList(int count, const std::function<QString(int)>& lineAt, int selected,
               const QString& typed, QString& lastKey, EmptyKey emptyKey) {
    if (count == 0) return -1;
    if (selected < 0 || selected >= count) selected = 0;
    const QString key = lowerAscii(typed);
    const int start = key == lastKey ? (selected + 1) % count : 0;
    lastKey = key;
    if (key.isEmpty() && emptyKey == EmptyKey::FindsNothing) return selected;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (containsFolded(lineAt(i), key)) return i;
    }
    return selected;
}

QString emptyListFindMessage() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

} // namespace core
