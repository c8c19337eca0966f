#include "core/list_rows.h"

#include "core/list_text.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/win1252.h"

#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace core {

bool soundRecord(const RecordLayout& layout, const char* record) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(record);
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (bytes[layout.offset(i)] > layout.capacity(i)) return false;
    return true;
}

namespace {

// Reads the archive record by record (open-or-create, as every list does) and hands each sound
// record to `visit` with what the rule made of it; damaged ones are counted. `reserve` learns
// the record count first.
template <class Visit, class Reserve>
void readRecords(const Archive& archive, const RecordRule& rule, ListRows& out, Reserve reserve,
                 Visit visit) {
    const RecordLayout& layout = archive.layout();
    RecordFile file(archive.path(), layout.recordLength());
    if (!file.open(RecordFile::Access::Read)) {
        out.readWhole = false;
        return;
    }
    reserve(file.count());
    const bool read = file.scan([&](qint64 n, const char* record) {
        const Take take = soundRecord(layout, record) ? rule(record) : Take::Damaged;
        if (take == Take::Damaged)
            ++out.skipped;
        else if (take == Take::Keep)
            visit(n, record);
        return true;
    });
    out.readWhole = file.close() && read;
}

// Builds the line of every kept record and hands it to `add`.
template <class Add>
void buildLines(const Archive& archive, std::span<const LinePiece> pieces, const RecordRule& rule,
                const LineEnding& ending, ListRows& out, const std::function<void(qint64)>& reserve,
                Add add) {
    const RecordLayout& layout = archive.layout();
    std::vector<QByteArrayView> stored(pieces.size());
    readRecords(archive, rule, out, reserve, [&](qint64 n, const char* record) {
        const QStringView end = ending ? ending(record) : QStringView();
        qsizetype length = end.size();
        for (size_t i = 0; i < pieces.size(); ++i) {
            stored[i] = layout.bytes(record, pieces[i].field);
            length += pieces[i].before.size() +
                      (pieces[i].width < 0 ? stored[i].size() : pieces[i].width);
        }
        // Exactly the length: growing from empty would round the buffer up, nearly
        // doubling the memory of a list of 100,000 lines.
        QString line(length, Qt::Uninitialized);
        QChar* at = line.data();
        for (size_t i = 0; i < pieces.size(); ++i) {
            for (QChar c : pieces[i].before) // a few characters: no call to copy them
                *at++ = c;
            at = writeStoredText(at, stored[i], pieces[i].width);
        }
        for (QChar c : end)
            *at++ = c;
        add(std::move(line), n);
    });
}

} // namespace

ListLines::ListLines(std::shared_ptr<const Source> source, qsizetype count,
                     std::vector<quint32> order)
    : source_(std::move(source)), count_(count), order_(std::move(order)) {}

QString ListLines::at(qsizetype i) const {
    if (!source_) return made_.at(i);
    return source_->line(order_.empty() ? i : qsizetype(order_[size_t(i)]));
}

QStringList ListLines::toList() const {
    if (!source_) return made_;
    QStringList out;
    out.reserve(count_);
    for (qsizetype i = 0; i < count_; ++i)
        out.append(at(i));
    return out;
}

StoredPieces::StoredPieces(std::span<const LinePiece> pieces, LineStart start)
    : pieces_(pieces.begin(), pieces.end()), start_(start) {
    for (const LinePiece& p : pieces_)
        fixedText_ += p.before.size();
    for (size_t i = 0; i + 1 < pieces_.size(); ++i)
        leading_ += pieces_[i].width;
}

bool StoredPieces::fits(std::span<const LinePiece> pieces) {
    for (size_t i = 0; i + 1 < pieces.size(); ++i)
        if (pieces[i].width < 0) return false;
    return true;
}

void StoredPieces::reserve(qint64 rows) {
    qsizetype rowBytes = 0;
    for (const LinePiece& p : pieces_)
        rowBytes += p.width < 0 ? 16 : p.width;
    starts_.reserve(size_t(rows) + 1);
    bytes_.reserve(size_t(rows) * size_t(rowBytes));
}

void StoredPieces::add(const RecordLayout& layout, const char* record) {
    if (starts_.empty()) starts_.push_back(0);
    // The row's room in one step, blank, then each piece copied over its place.
    const QByteArrayView tail = layout.bytes(record, pieces_.back().field);
    const qsizetype lastWidth = pieces_.back().width < 0 ? tail.size() : pieces_.back().width;
    const size_t at = bytes_.size();
    const size_t length = size_t(leading_ + lastWidth);
    bytes_.resize(at + length);
    char* out = bytes_.data() + at;
    std::memset(out, ' ', length);
    for (const LinePiece& p : pieces_) {
        const QByteArrayView stored = &p == &pieces_.back() ? tail : layout.bytes(record, p.field);
        const qsizetype width = p.width < 0 ? stored.size() : p.width;
        copyShort(out, stored.data(), size_t(std::min(stored.size(), width)));
        out += width;
    }
    starts_.push_back(bytes_.size());
}

QString StoredPieces::line(qsizetype i) const {
    const QByteArrayView stored = row(i);
    QStringView start;
    if (start_) {
        const std::optional<QStringView> s = start_(stored.sliced(leading_));
        if (!s) return QString();
        start = *s;
    }
    QString out(start.size() + fixedText_ + stored.size(), Qt::Uninitialized);
    QChar* at = out.data();
    for (QChar c : start)
        *at++ = c;
    qsizetype from = 0;
    for (size_t k = 0; k < pieces_.size(); ++k) {
        for (QChar c : pieces_[k].before)
            *at++ = c;
        const qsizetype n = k + 1 == pieces_.size() ? stored.size() - from : pieces_[k].width;
        at = writeStoredText(at, stored.sliced(from, n));
        from += n;
    }
    return out;
}

namespace {

// Each code-page byte's place in the list order: the order of its character folded on a..z,
// as compareListText orders them. Every place is from 1 up (0 is past the end of a text).
const std::array<quint8, 256>& bytePlaces() {
    static const std::array<quint8, 256> places = [] {
        std::array<char16_t, 256> folded{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            char16_t c = fromWin1252(&byte, 1).at(0).unicode();
            folded[size_t(b)] = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        }
        std::array<char16_t, 256> sorted = folded;
        std::sort(sorted.begin(), sorted.end());
        const auto last = std::unique(sorted.begin(), sorted.end());
        std::array<quint8, 256> out{};
        for (int b = 0; b < 256; ++b)
            out[size_t(b)] = quint8(
                1 + (std::lower_bound(sorted.begin(), last, folded[size_t(b)]) - sorted.begin()));
        return out;
    }();
    return places;
}

// The rows' stored pieces as texts to sort: the fixed texts between pieces stand at the same
// place in every line, so the pieces alone decide the order.
class StoredTexts final : public SortTexts {
public:
    explicit StoredTexts(const StoredPieces& pieces) : pieces_(pieces), places_(bytePlaces()) {}
    std::array<quint64, 2> key(qsizetype i, qsizetype from) const override {
        const QByteArrayView row = pieces_.row(i);
        if (from + 16 <= row.size()) {
            quint64 a, b;
            std::memcpy(&a, row.data() + from, 8);
            std::memcpy(&b, row.data() + from + 8, 8);
            if (((a | b) & kHighBits) == 0) return {asciiPlaces(a), asciiPlaces(b)};
        }
        std::array<quint64, 2> key{};
        const qsizetype n = std::clamp<qsizetype>(row.size() - from, 0, 16);
        for (qsizetype c = 0; c < n; ++c)
            key[size_t(c / 8)] |= quint64(places_[quint8(row[from + c])]) << (8 * (7 - c % 8));
        return key;
    }
    qsizetype length(qsizetype i) const override { return pieces_.row(i).size(); }
    int compare(qsizetype a, qsizetype b, qsizetype from) const override {
        const QByteArrayView x = pieces_.row(a), y = pieces_.row(b);
        const qsizetype n = std::min(x.size(), y.size());
        for (qsizetype c = from; c < n; ++c) {
            const quint8 px = places_[quint8(x[c])], py = places_[quint8(y[c])];
            if (px != py) return px < py ? -1 : 1;
        }
        return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
    }

private:
    static constexpr quint64 kOnes = 0x0101010101010101;
    static constexpr quint64 kHighBits = 0x80 * kOnes;
    // The places of eight bytes below 0x80, read as they lie in memory and returned most
    // significant first: every byte from 1 up, a..z folded onto A..Z and the five after z
    // closing the gap. Each byte is computed apart (no byte carries into the next).
    static quint64 asciiPlaces(quint64 bytes) {
        const quint64 fromA = (bytes + (0x80 - 'a') * kOnes) & kHighBits;
        const quint64 afterZ = (bytes + (0x80 - 'z' - 1) * kOnes) & kHighBits;
        const quint64 letter = fromA & ~afterZ;
        const quint64 folded = bytes + kOnes - (letter >> 7) * 32 - (afterZ >> 7) * 26;
        return qFromBigEndian(folded);
    }

    const StoredPieces& pieces_;
    const std::array<quint8, 256>& places_;
};

// The rows the rule keeps, with only their pieces' bytes; sorted into list order when `sorted`.
ListRows storedRows(const Archive& archive, std::span<const LinePiece> pieces,
                    const RecordRule& rule, bool sorted) {
    ListRows out;
    auto stored = std::make_shared<StoredPieces>(pieces);
    LargeVector<qint64> records;
    readRecords(
        archive, rule, out,
        [&](qint64 n) {
            stored->reserve(n);
            records.reserve(size_t(n));
        },
        [&](qint64 n, const char* record) {
            stored->add(archive.layout(), record);
            records.push_back(n);
        });
    const qsizetype count = stored->rows();
    std::vector<quint32> order;
    if (sorted && count > 1) {
        const StoredTexts texts(*stored);
        LargeVector<SortEntry> entries(static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i)
            entries[size_t(i)] = {texts.key(i, 0), i};
        sortEntries(entries, texts);
        order.reserve(size_t(count));
        out.records.reserve(size_t(count));
        for (const SortEntry& e : entries) {
            order.push_back(quint32(e.index));
            out.records.push_back(records[size_t(e.index)]);
        }
    } else {
        out.records.assign(records.begin(), records.end());
    }
    out.lines = ListLines(std::move(stored), count, std::move(order));
    return out;
}

} // namespace

ListRows listRows(const Archive& archive, std::span<const LinePiece> pieces, const RecordRule& rule,
                  const LineEnding& ending) {
    if (!ending && StoredPieces::fits(pieces)) return storedRows(archive, pieces, rule, true);
    ListRows out;
    SortedLines lines;
    buildLines(
        archive, pieces, rule, ending, out, [&](qint64 n) { lines.reserve(n); },
        [&](QString line, qint64 n) { lines.append(std::move(line), n); });
    out.lines = lines.take(out.records);
    return out;
}

ListRows fileOrderRows(const Archive& archive, std::span<const LinePiece> pieces,
                       const RecordRule& rule) {
    if (StoredPieces::fits(pieces)) return storedRows(archive, pieces, rule, false);
    ListRows out;
    QStringList lines;
    buildLines(
        archive, pieces, rule, {}, out,
        [&](qint64 n) {
            lines.reserve(n);
            out.records.reserve(size_t(n));
        },
        [&](QString line, qint64 n) {
            lines.append(std::move(line));
            out.records.push_back(n);
        });
    out.lines = std::move(lines);
    return out;
}

ListRows gridRows(const Archive& archive, int columns, const RowCells& cells,
                  const RecordRule& rule) {
    ListRows out;
    out.cells = CellTable(columns);
    readRecords(
        archive, rule, out,
        [&](qint64 n) {
            out.cells.reserve(n, 64 * columns);
            out.records.reserve(size_t(n));
        },
        [&](qint64 n, const char* record) {
            char number[24];
            out.cells.addCell(QByteArrayView(
                number, std::to_chars(number, number + sizeof number, n).ptr - number));
            cells(out.cells, record);
            out.records.push_back(n);
        });
    return out;
}

void FieldFilter::add(int field, const QString& typed) {
    if (trimText(typed).isEmpty()) return; // blanks only: not in use
    // As typed, blanks kept: a filter " x" asks for a blank before the x.
    const QString key = lowerAscii(typed);
    const QByteArray bytes = toWin1252(key);
    keys_.push_back({field, bytes, fromWin1252(bytes) == key});
}

bool FieldFilter::operator()(const char* record) const {
    for (const Key& k : keys_)
        if (!k.possible || !containsFolded(layout_->bytes(record, k.field), k.bytes)) return false;
    return true;
}

int filtersInUse(std::span<const QString> typed) {
    int n = 0;
    for (const QString& t : typed)
        n += !trimText(t).isEmpty();
    return n;
}

QString skippedRecordsMessage(qsizetype skipped) {
    return QStringLiteral(
               "Attenzione: %1 schede non leggibili non sono state incluse nel riepilogo.")
        .arg(skipped);
}

} // namespace core
