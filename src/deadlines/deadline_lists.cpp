#include "deadlines/deadline_lists.h"

#include "core/list_text.h"
#include "core/text.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_rules.h"

#include <algorithm>
#include <numeric>

namespace deadlines {

namespace {

const core::RecordLayout& layout() {
    return deadlineLayout();
}

QString field(const char* record, DeadlineField f) {
    return layout().load(record, f);
}

void appendPadded(QString& out, const QString& text, int width) {
    out += text.left(width);
    if (text.size() < width) out += QString(width - text.size(), u' ');
}

} // namespace

QString summaryLine(const QString& dettagli, const QString& data, const QString& ora,
                    const QString& pagatore, const QString& beneficiario, const QString& costo) {
    QString line;
    line.reserve(141 + costo.size());
    appendPadded(line, dettagli, 35);
    line += u"  Data: ";
    appendPadded(line, data, 10);
    line += u"  Ora: ";
    appendPadded(line, ora, 5);
    line += u"  Da: ";
    appendPadded(line, pagatore, 30);
    line += u"  A:  ";
    appendPadded(line, beneficiario, 30);
    line += u"  \u20ac ";
    line += costo;
    return line;
}

QString summaryLine(const char* record) {
    return summaryLine(field(record, Dettagli), field(record, Data), field(record, Ora),
                       field(record, Pagatore), field(record, Beneficiario), field(record, Costo));
}

RecordTest summaryTest(Summary summary) {
    // Only the exact words count: a flag holding anything else is in no list that tests it.
    const DeadlineField flag = summary == Summary::ToConfirm ? DaConfermare : Effettuata;
    const QString word = summary == Summary::ToPay ? kNo : kYes;
    return [flag, word](const char* record) { return field(record, flag) == word; };
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
    return [inUse = std::move(inUse)](const char* record) {
        for (const Criterion& c : inUse)
            if (!core::containsFolded(field(record, c.field), c.keyLower)) return false;
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
        row.append(field(record, f));
    if (withKey)
        row.append(chronologicalKey(row[1], field(record, Giorno), field(record, Ore),
                                    field(record, Minuti)));
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
    return selectedRows(folder, day.year(),
                        [&](const char* record) { return field(record, Data) == data; });
}

GridRows monthRows(const QString& folder, const QDate& day) {
    const QString text = dateText(day);
    const QString month = core::lowerAscii(monthNames()[day.month() - 1]);
    const QString year = text.mid(6, 4);
    return selectedRows(folder, day.year(), [&](const char* record) {
        return core::lowerAscii(field(record, Mese)) == month && field(record, Anno) == year;
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
