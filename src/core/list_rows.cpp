#include "core/list_rows.h"

#include "core/list_text.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/win1252.h"

#include <charconv>

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
    readRecords(
        archive, rule, out, reserve,
        [&](qint64 n, const char* record) {
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

ListRows listRows(const Archive& archive, std::span<const LinePiece> pieces,
                  const RecordRule& rule, const LineEnding& ending) {
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
    ListRows out;
    buildLines(
        archive, pieces, rule, {}, out,
        [&](qint64 n) {
            out.lines.reserve(n);
            out.records.reserve(size_t(n));
        },
        [&](QString line, qint64 n) {
            out.lines.append(std::move(line));
            out.records.push_back(n);
        });
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
