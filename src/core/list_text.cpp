#include "core/list_text.h"

#include "core/large_buffer.h"
#include "core/text.h"

#include <algorithm>
#include <bit>
#include <utility>

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

inline unsigned keyByte(const SortEntry& e, int byte) { // 0: the most significant
    return unsigned(e.key[size_t(byte / 8)] >> (56 - 8 * (byte % 8))) & 0xFF;
}

// Sorts a large run on the few key bytes that vary in it, least significant first, each pass
// keeping the order of the one before (all the counts taken in one read).
void sortOnBytes(SortEntry* first, SortEntry* last, SortEntry* scratch,
                 const std::vector<int>& bytes) {
    const std::ptrdiff_t n = last - first;
    std::vector<std::array<quint32, 256>> counts(bytes.size());
    for (auto& c : counts)
        c.fill(0);
    for (const SortEntry* e = first; e != last; ++e)
        for (size_t k = 0; k < bytes.size(); ++k)
            ++counts[k][keyByte(*e, bytes[k])];
    SortEntry* from = first;
    SortEntry* to = scratch;
    for (size_t k = bytes.size(); k-- > 0;) {
        std::array<quint32, 256>& at = counts[k];
        quint32 sum = 0;
        for (quint32& c : at)
            sum += std::exchange(c, sum);
        const int byte = bytes[k];
        for (const SortEntry* e = from; e != from + n; ++e)
            to[at[keyByte(*e, byte)]++] = *e;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + n, first);
}

// Sorts a run on its keys (equal keys in no particular order) without comparing entries two by
// two, which for a hundred thousand entries means some seventeen comparisons each. Bytes every
// entry of a run shares (padding, repeated words) are skipped in one look. A large run where
// only a few bytes vary (dates, numbers) is sorted on those bytes alone; otherwise the run is
// split on its first varying byte and each part sorted the same way.
void radixSort(SortEntry* first, SortEntry* last, SortEntry* scratch) {
    constexpr std::ptrdiff_t kSmall = 48;          // below this a comparison sort is quicker
    constexpr std::ptrdiff_t kFewBytesFrom = 2048; // below this the counts cost too much
    constexpr int kFewBytes = 6;
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
    std::vector<int> varying;
    for (int byte = 0; byte < 16; ++byte)
        if (((byte < 8 ? differ0 : differ1) >> (56 - 8 * (byte % 8))) & 0xFF)
            varying.push_back(byte);
    if (n >= kFewBytesFrom && int(varying.size()) <= kFewBytes) {
        sortOnBytes(first, last, scratch, varying);
        return;
    }
    const int byte = varying.front();
    // Counts, then where each byte's entries start; only the bytes the run holds are walked.
    std::array<quint32, 256> at{};
    unsigned low = 255, high = 0;
    for (const SortEntry* e = first; e != last; ++e) {
        const unsigned b = keyByte(*e, byte);
        ++at[b];
        low = std::min(low, b);
        high = std::max(high, b);
    }
    std::array<quint32, 256> bounds;
    quint32 sum = 0;
    for (unsigned b = low; b <= high; ++b) {
        bounds[b] = sum;
        sum += std::exchange(at[b], sum);
    }
    for (const SortEntry* e = first; e != last; ++e)
        scratch[at[keyByte(*e, byte)]++] = *e;
    std::copy(scratch, scratch + n, first);
    for (unsigned b = low; b <= high; ++b)
        if (at[b] - bounds[b] > 1) radixSort(first + bounds[b], first + at[b], scratch);
}

// The working memory of a sort, which goes level by level.
class LevelSorter {
public:
    LevelSorter(size_t entries, const SortTexts& texts) : texts_(texts), entries_(entries) {}

    // Sorts each run on its keys, settles what it can, and returns the runs still tied with
    // their keys packed further on. Tied entries are packed reading their texts in the order
    // they were added, which is their order in memory: read in sorted order (or compared two by
    // two), every text would be a cache miss.
    std::vector<TiedRun> level(const std::vector<TiedRun>& runs) {
        if (scratch_.empty()) scratch_.resize(entries_);
        std::vector<TiedRun> tied;
        for (const TiedRun& r : runs) {
            // Padding often leaves a whole run equal again: nothing to sort then.
            const bool allEqual = std::all_of(
                r.first, r.last, [&](const SortEntry& e) { return sameKey(e, *r.first); });
            if (!allEqual) radixSort(&*r.first, &*r.first + (r.last - r.first), scratch_.data());
            for (EntryIt run = r.first; run != r.last;) {
                EntryIt end = allEqual ? r.last : run + 1;
                while (end != r.last && sameKey(*end, *run))
                    ++end;
                if (end - run > 1) settleTie(run, end, r.depth, texts_, tied);
                run = end;
            }
        }
        if (tied.empty()) return tied;
        // Every run of a level is at the same depth.
        const qsizetype depth = tied.front().depth;
        if (placeOf_.empty()) placeOf_.assign(entries_, nullptr);
        for (const TiedRun& r : tied)
            for (EntryIt e = r.first; e != r.last; ++e)
                placeOf_[size_t(e->index)] = &*e;
        for (size_t i = 0; i < placeOf_.size(); ++i)
            if (SortEntry* e = std::exchange(placeOf_[i], nullptr))
                e->key = texts_.key(qsizetype(i), depth);
        return tied;
    }

private:
    const SortTexts& texts_;
    size_t entries_;
    LargeVector<SortEntry*> placeOf_; // by index: the entry to pack again, or null
    LargeVector<SortEntry> scratch_;
};

} // namespace

void sortEntries(std::span<SortEntry> entries, const SortTexts& texts) {
    LevelSorter sorter(entries.size(), texts);
    std::vector<TiedRun> runs{{entries.begin(), entries.end(), 0}};
    while (!runs.empty())
        runs = sorter.level(runs);
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
