#pragma once

#include "core/archive.h"
#include "core/record_layout.h"
#include "core/spreadsheet.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace core {

// The lines of a list, made already or made only when asked (a list of 100,000 lines shows a
// screenful; the rest would be text written for nobody). Copies share the made text.
class ListLines {
public:
    // Where lines made on request come from: line i of the source.
    class Source {
    public:
        virtual ~Source() = default;
        virtual QString line(qsizetype i) const = 0;
    };

    ListLines() = default;
    ListLines(QStringList made) : made_(std::move(made)) {} // NOLINT: a list is its lines
    ListLines(std::initializer_list<QString> made) : made_(made) {}
    // Row i is line order[i] of the source (order empty: line i).
    ListLines(std::shared_ptr<const Source> source, qsizetype count, std::vector<quint32> order);

    qsizetype size() const { return source_ ? count_ : made_.size(); }
    bool isEmpty() const { return size() == 0; }
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    QString value(qsizetype i) const { return i >= 0 && i < size() ? at(i) : QString(); }
    QStringList toList() const;                       // every line, made now
    operator QStringList() const { return toList(); } // NOLINT
    bool operator==(const QStringList& other) const { return toList() == other; }

    // Walks the lines in order, each made as it is reached.
    class Iterator {
    public:
        Iterator(const ListLines* lines, qsizetype i) : lines_(lines), i_(i) {}
        QString operator*() const { return lines_->at(i_); }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return i_ != o.i_; }

    private:
        const ListLines* lines_;
        qsizetype i_;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    QStringList made_;
    std::shared_ptr<const Source> source_;
    qsizetype count_ = 0;
    std::vector<quint32> order_;
};

// What a list or a grid read from an archive: its lines (or grid cells), the record each one
// stands for, whether the file was read to its end, and how many damaged records were left out.
// A pick goes by the record of the row, never by the text of the line.
struct ListRows {
    ListLines lines;             // a list: one line per row, in list order
    CellTable cells;             // a grid: one row of cells per row
    std::vector<qint64> records; // the record of every row
    bool readWhole = true;       // false: reading failed before the end of the file
    qsizetype skipped = 0;       // damaged records left out

    qsizetype size() const { return qsizetype(records.size()); }
    std::optional<qint64> recordAt(qsizetype row) const {
        if (row < 0 || row >= size()) return std::nullopt;
        return records[size_t(row)];
    }
    // Every record of the file is in, or was left out by the list's own rule.
    bool whole() const { return readWhole && skipped == 0; }
};

// What a list's rule makes of one record.
enum class Take { Keep, Leave, Damaged };
using RecordRule = std::function<Take(const char* record)>;
inline Take keepEvery(const char*) {
    return Take::Keep;
}

// A record whose length bytes all fit their fields. Anything else was written by no save: the
// lists leave it out and count it.
bool soundRecord(const RecordLayout& layout, const char* record);

// One piece of a list line: a fixed text, then a field's stored text padded and cut to `width`
// (-1: the whole text).
struct LinePiece {
    QStringView before;
    int field;
    int width = -1;
};
// Text added at the end of some lines (empty: none), e.g. a mark for a cancelled record.
using LineEnding = std::function<QStringView(const char* record)>;

// A line's own start, from the stored bytes of its last piece; nothing: the line is empty.
using LineStart = std::optional<QStringView> (*)(QByteArrayView lastPiece);

// Lines kept as the bytes of their pieces, each fixed piece padded to its width, one row after
// another (a few dozen bytes a row, where the line would take hundreds); each line is made
// when asked. Every piece but the last must have a width (see fits()).
class StoredPieces : public ListLines::Source {
public:
    explicit StoredPieces(std::span<const LinePiece> pieces, LineStart start = nullptr);
    static bool fits(std::span<const LinePiece> pieces);
    void reserve(qint64 rows);
    void add(const RecordLayout& layout, const char* record);
    qsizetype rows() const { return starts_.empty() ? 0 : qsizetype(starts_.size()) - 1; }
    QByteArrayView row(qsizetype i) const {
        return QByteArrayView(bytes_.data() + starts_[size_t(i)],
                              qsizetype(starts_[size_t(i) + 1] - starts_[size_t(i)]));
    }
    QString line(qsizetype i) const override;

private:
    std::vector<LinePiece> pieces_; // their fixed texts are literals
    LineStart start_;
    qsizetype fixedText_ = 0; // characters of the fixed texts
    qsizetype leading_ = 0;   // bytes before the last piece
    LargeVector<char> bytes_;
    LargeVector<size_t> starts_;
};

// The lines of the records the rule keeps, sorted once from the stored bytes (list order, equal
// lines in file order). A damaged record (the rule says so, or its length bytes do not fit) is
// left out and counted. Without an ending, and with a width for every piece but the last, only
// the pieces' bytes are kept and each line is made when asked.
ListRows listRows(const Archive& archive, std::span<const LinePiece> pieces,
                  const RecordRule& rule = keepEvery, const LineEnding& ending = {});
// The same lines in file order, unsorted.
ListRows fileOrderRows(const Archive& archive, std::span<const LinePiece> pieces,
                       const RecordRule& rule = keepEvery);

// The grid of the records the rule keeps, in file order: column 0 is the record number, then
// `cells` adds the record's own cells (columns - 1 of them).
using RowCells = std::function<void(CellTable& cells, const char* record)>;
ListRows gridRows(const Archive& archive, int columns, const RowCells& cells,
                  const RecordRule& rule = keepEvery);

// The typed filters of a search: every filter in use (not blank once trimmed) occurs, as typed
// and folded on A-Z only, in its field's stored text. A filter the file's code page cannot hold
// occurs nowhere.
class FieldFilter {
public:
    FieldFilter() = default;
    template <class Field, size_t N>
    FieldFilter(const RecordLayout& layout, const std::array<Field, N>& fields,
                const std::array<QString, N>& typed)
        : layout_(&layout) {
        for (size_t i = 0; i < N; ++i)
            add(int(fields[i]), typed[i]);
    }
    int inUse() const { return int(keys_.size()); }
    bool operator()(const char* record) const;
    Take take(const char* record) const { return (*this)(record) ? Take::Keep : Take::Leave; }

private:
    void add(int field, const QString& typed);
    struct Key {
        int field;
        QByteArray bytes; // lower-cased, in the code page
        bool possible;
    };
    const RecordLayout* layout_ = nullptr;
    std::vector<Key> keys_;
};

// How many of the typed filters are in use: not blank once trimmed.
int filtersInUse(std::span<const QString> typed);

// "Attenzione: N schede non leggibili non sono state incluse nel riepilogo."
QString skippedRecordsMessage(qsizetype skipped);

} // namespace core
