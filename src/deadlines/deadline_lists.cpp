#include "deadlines/deadline_lists.h"

#include "core/list_text.h"
#include "core/text.h"
#include "core/win1252.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_rules.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace deadlines {

namespace {

// The field's text decoded straight from the stored bytes.
QString fieldText(const char* record, DeadlineField f) {
    QString out;
    appendStoredText(out, record, f);
    return out;
}

} // namespace

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

constexpr core::LinePiece kSummaryLine[] = {{u"", Dettagli, 35},
                                            {u"  Data: ", Data, 10},
                                            {u"  Ora: ", Ora, 5},
                                            {u"  Da: ", Pagatore, 30},
                                            {u"  A:  ", Beneficiario, 30},
                                            {u"  \u20ac ", Costo, -1}};

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

QStringList gridRow(qint64 runningNumber, const char* record, bool withKey) {
    QStringList row;
    row.reserve(withKey ? 21 : 20);
    row.append(QString::number(runningNumber));
    for (DeadlineField f : kCells)
        row.append(fieldText(record, f));
    if (withKey)
        row.append(chronologicalKey(row[1], fieldText(record, Giorno), fieldText(record, Ore),
                                    fieldText(record, Minuti)));
    return row;
}

namespace {

// Sorts the rows by `keys` (one per row), keeping the reading order of equal keys.
void sortByKeys(std::vector<QStringList>& rows, const QStringList& keys) {
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[qsizetype(a)] < keys[qsizetype(b)]; });
    std::vector<QStringList> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

// The rows of one year file that pass `keep`, sorted by their key when the file was read whole.
GridRows selectedRows(const QString& folder, int year, const RecordTest& keep) {
    GridRows out;
    QStringList keys;
    const core::Archive archive(folder, yearFileName(year), deadlineLayout());
    out.ok = archive.scan([&](qint64, const char* record) {
        if (!core::soundRecord(deadlineLayout(), record)) {
            ++out.skipped;
            return true;
        }
        if (!keep(record)) return true;
        out.rows.push_back(gridRow(qint64(out.rows.size()) + 1, record, true));
        keys.append(out.rows.back()[kGridKeyColumn]);
        return true;
    });
    if (out.ok) sortByKeys(out.rows, keys);
    return out;
}

QString dateText(const QDate& day) {
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

GridRows imminentRows(const QString& folder, const QDate& today) {
    GridRows out;
    QStringList keys;
    out.ok = scanImminent(folder, today, [&](int year, qint64, const char* record) {
        if (!core::soundRecord(deadlineLayout(), record)) {
            ++out.skipped;
            return;
        }
        out.rows.push_back(gridRow(qint64(out.rows.size()) + 1, record, true));
        // Early January of next year comes after December of this one.
        keys.append(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')) +
                    out.rows.back()[kGridKeyColumn]);
    });
    if (out.ok) sortByKeys(out.rows, keys);
    return out;
}

GridRows dayRows(const QString& folder, const QDate& day) {
    const QString data = dateText(day);
    const QByteArray bytes = core::toWin1252(data);
    return selectedRows(folder, day.year(),
                        [&](const char* record) { return storedText(record, Data) == bytes; });
}

GridRows monthRows(const QString& folder, const QDate& day) {
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
    return core::gridRows(archive, 1 + int(std::size(kCells)),
                          [](core::CellTable& cells, const char* record) {
                              for (DeadlineField f : kCells)
                                  cells.addCell(storedText(record, f));
                          });
}

} // namespace deadlines
