#include "deadlines/deadline_lists.h"

#include "core/list_text.h"
#include "core/text.h"
#include "core/win1252.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>

namespace deadlines {

QString summaryLine(const QString& dettagli, const QString& data, const QString& ora,
                    const QString& pagatore, const QString& beneficiario, const QString& costo) {
    const auto padded = [](const QString& text, int width) {
        return text.left(width).leftJustified(width, u' ');
    };
    return padded(dettagli, 35) + QStringLiteral("  Data: ") + padded(data, 10) +
           QStringLiteral("  Ora: ") + padded(ora, 5) + QStringLiteral("  Da: ") +
           padded(pagatore, 30) + QStringLiteral("  A:  ") + padded(beneficiario, 30) +
           QStringLiteral("  \u20ac ") + costo;
}

namespace {

constexpr core::LinePiece kSummaryLine[] = {
    {u"", Dettagli, 35},       {u"  Data: ", Data, 10},       {u"  Ora: ", Ora, 5},
    {u"  Da: ", Pagatore, 30}, {u"  A:  ", Beneficiario, 30}, {u"  \u20ac ", Costo, -1}};

} // namespace

RecordTest summaryTest(Summary summary) {
    // Only the exact words count: a flag holding anything else is in no list that tests it.
    const DeadlineField flag = summary == Summary::ToConfirm ? DaConfermare : Effettuata;
    const QByteArray word = core::toWin1252(summary == Summary::ToPay ? kNo : kYes);
    return [flag, word](const char* record) { return storedText(record, flag) == word; };
}

int criteriaInUse(const DeadlineCriteria& criteria) {
    return core::filtersInUse(criteria);
}

RecordTest criteriaTest(const DeadlineCriteria& criteria) {
    return [matches = core::FieldFilter(deadlineLayout(), kSearchFields, criteria)](
               const char* record) { return matches(record); };
}

core::ListRows listLines(const core::Archive& archive, const RecordTest& keep) {
    return core::listRows(archive, kSummaryLine, [&keep](const char* record) {
        return keep(record) ? core::Take::Keep : core::Take::Leave;
    });
}

namespace {
constexpr DeadlineField kCells[] = {
    Data,     Ora,      Pagatore,     CodFisc,    NumTessera,   Carica,   TelCel,
    Recapito, Anticipi, Complessivo,  Rateazione, Beneficiario, Dettagli, Officina,
    Costo,    Contatto, DaConfermare, Effettuata, Note,
};
} // namespace

namespace {

// A grid row straight from the stored bytes: the running number, the fields, then the
// chronological key (two digits of the month in the date, then day, hours and minutes).
void addGridRow(core::CellTable& cells, qint64 runningNumber, const char* record) {
    char number[24];
    cells.addCell(QByteArrayView(
        number, std::to_chars(number, number + sizeof number, runningNumber).ptr - number));
    const core::RecordLayout& layout = deadlineLayout();
    for (DeadlineField f : kCells)
        cells.addCell(layout.bytes(record, f));
    const QByteArrayView data = layout.bytes(record, Data);
    const qsizetype from = std::min<qsizetype>(3, data.size());
    cells.append(data.sliced(from, std::min<qsizetype>(2, data.size() - from)));
    cells.append(storedText(record, Giorno));
    cells.append(storedText(record, Ore));
    cells.append(storedText(record, Minuti));
    cells.endCell();
}

// Collects the rows of a grid and sorts them once by their keys (as texts), equal keys in
// reading order.
class KeyedGrid {
public:
    KeyedGrid() : cells_(kGridKeyColumn + 1) {}
    void add(const char* record, QStringView keyStart = {}) {
        addGridRow(cells_, cells_.rowCount() + 1, record);
        const QByteArrayView key = cells_.bytes(cells_.rowCount() - 1, kGridKeyColumn);
        keys_.append(keyStart.toString() + core::fromWin1252(key.data(), key.size()));
    }
    core::ListRows take(bool readWhole, qsizetype skipped) {
        core::ListRows out;
        out.readWhole = readWhole;
        out.skipped = skipped;
        if (!readWhole) { // the rows so far, unsorted
            out.cells = std::move(cells_);
            return out;
        }
        std::vector<qsizetype> order(size_t(cells_.rowCount()));
        std::iota(order.begin(), order.end(), qsizetype(0));
        std::stable_sort(order.begin(), order.end(),
                         [this](qsizetype a, qsizetype b) { return keys_[a] < keys_[b]; });
        out.cells = core::CellTable(cells_.columnCount());
        for (qsizetype r : order)
            for (int c = 0; c < cells_.columnCount(); ++c)
                out.cells.addCell(cells_.bytes(r, c));
        return out;
    }

private:
    core::CellTable cells_;
    QStringList keys_;
};

// The rows of one year file that pass `keep`, sorted by their key when the file was read whole.
core::ListRows selectedRows(const QString& folder, int year, const RecordTest& keep) {
    KeyedGrid grid;
    qsizetype skipped = 0;
    const core::Archive archive(folder, yearFileName(year), deadlineLayout());
    const bool ok = archive.scan([&](qint64, const char* record) {
        if (!core::soundRecord(deadlineLayout(), record))
            ++skipped;
        else if (keep(record))
            grid.add(record);
        return true;
    });
    return grid.take(ok, skipped);
}

QString dateText(const QDate& day) {
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

core::ListRows imminentRows(const QString& folder, const QDate& today) {
    KeyedGrid grid;
    qsizetype skipped = 0;
    QString yearText;
    const bool ok = scanImminent(folder, today, [&](int year, qint64, const char* record) {
        if (!core::soundRecord(deadlineLayout(), record)) {
            ++skipped;
            return;
        }
        // Early January of next year comes after December of this one.
        yearText = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
        grid.add(record, yearText);
    });
    return grid.take(ok, skipped);
}

core::ListRows dayRows(const QString& folder, const QDate& day) {
    const QString data = dateText(day);
    const QByteArray bytes = core::toWin1252(data);
    return selectedRows(folder, day.year(),
                        [&](const char* record) { return storedText(record, Data) == bytes; });
}

core::ListRows monthRows(const QString& folder, const QDate& day) {
    const QString text = dateText(day);
    const QByteArray month = core::toWin1252(core::lowerAscii(monthNames()[day.month() - 1]));
    const QString year = text.mid(6, 4);
    const QByteArray yearBytes = core::toWin1252(year);
    // The month name in any case, compared on the stored bytes: most records are not of the
    // month, and decoding each one's name would cost more than the rows of those that are.
    return selectedRows(folder, day.year(), [&](const char* record) {
        const QByteArrayView stored = storedText(record, Mese);
        return storedText(record, Anno) == yearBytes && stored.size() == month.size() &&
               core::containsFolded(stored, month);
    });
}

core::ListRows yearRows(const core::Archive& archive) {
    const core::RecordLayout& layout = deadlineLayout(); // once, not for every cell
    return core::gridRows(archive, 1 + int(std::size(kCells)),
                          [&layout](core::CellTable& cells, const char* record) {
                              for (DeadlineField f : kCells)
                                  cells.addCell(layout.bytes(record, f));
                          });
}

} // namespace deadlines
