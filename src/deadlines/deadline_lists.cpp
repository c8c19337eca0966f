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

QString summaryLine(const char* record) {
    QString line;
    line.reserve(160);
    appendStoredText(line, record, Dettagli, 35);
    line += u"  Data: ";
    appendStoredText(line, record, Data, 10);
    line += u"  Ora: ";
    appendStoredText(line, record, Ora, 5);
    line += u"  Da: ";
    appendStoredText(line, record, Pagatore, 30);
    line += u"  A:  ";
    appendStoredText(line, record, Beneficiario, 30);
    line += u"  \u20ac ";
    appendStoredText(line, record, Costo);
    return line;
}

RecordTest summaryTest(Summary summary) {
    // Only the exact words count: a flag holding anything else is in no list that tests it.
    const DeadlineField flag = summary == Summary::ToConfirm ? DaConfermare : Effettuata;
    const QByteArray word = core::toWin1252(summary == Summary::ToPay ? kNo : kYes);
    return [flag, word](const char* record) { return storedText(record, flag) == word; };
}

int criteriaInUse(const DeadlineCriteria& criteria) {
    return int(std::count_if(criteria.begin(), criteria.end(),
                             [](const QString& c) { return !core::trimText(c).isEmpty(); }));
}

RecordTest criteriaTest(const DeadlineCriteria& criteria) {
    struct Criterion {
        DeadlineField field;
        QString keyLower;
    };
    std::vector<Criterion> inUse;
    for (size_t i = 0; i < criteria.size(); ++i)
        if (!core::trimText(criteria[i]).isEmpty())
            inUse.push_back({kSearchFields[i], core::lowerAscii(criteria[i])});
    // One text buffer reused for every field of every record.
    return [inUse = std::move(inUse), text = QString()](const char* record) mutable {
        for (const Criterion& c : inUse) {
            text.resize(0);
            appendStoredText(text, record, c.field);
            if (!core::containsFolded(text, c.keyLower)) return false;
        }
        return true;
    };
}

LineList listLines(const core::Archive& archive, const RecordTest& keep) {
    LineList out;
    out.ok = archive.scan([&](qint64, const char* record) {
        if (keep(record)) out.lines.append(summaryLine(record));
        return true;
    });
    core::sortListLines(out.lines);
    return out;
}

LineRecord recordOfLine(const core::Archive& archive, const QString& line, const RecordTest& keep) {
    const QString wanted = core::trimText(line);
    std::optional<qint64> found;
    const bool ok = archive.scan([&](qint64 number, const char* record) {
        if (keep(record) && core::trimText(summaryLine(record)) == wanted) found = number;
        return true;
    });
    if (!ok) return {std::nullopt, false};
    return {found, true};
}

QStringList gridRow(qint64 runningNumber, const char* record, bool withKey) {
    static constexpr DeadlineField kCells[] = {
        Data,     Ora,      Pagatore,     CodFisc,    NumTessera,   Carica,   TelCel,
        Recapito, Anticipi, Complessivo,  Rateazione, Beneficiario, Dettagli, Officina,
        Costo,    Contatto, DaConfermare, Effettuata, Note,
    };
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
    const QString month = core::lowerAscii(monthNames()[day.month() - 1]);
    const QString year = text.mid(6, 4);
    const QByteArray yearBytes = core::toWin1252(year);
    return selectedRows(folder, day.year(), [&](const char* record) {
        return storedText(record, Anno) == yearBytes &&
               core::lowerAscii(fieldText(record, Mese)) == month;
    });
}

GridRows yearRows(const core::Archive& archive) {
    GridRows out;
    out.ok = archive.scan([&](qint64 number, const char* record) {
        out.rows.push_back(gridRow(number, record, false));
        return true;
    });
    return out;
}

} // namespace deadlines
