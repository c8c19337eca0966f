#include "cashbook/movement_lists.h"

#include "core/dates.h"
#include "core/list_text.h"
#include "core/text.h"

#include <vector>

namespace cashbook {

QString movementLine(const char* record) {
    QString line;
    line.reserve(200);
    appendStoredText(line, record, Causale, 40);
    line += QLatin1String("  Scad. ");
    appendStoredText(line, record, DataSca, 10);
    line += QLatin1String("  Da: ");
    appendStoredText(line, record, Pagatore, 30);
    line += QLatin1String("  A: ");
    appendStoredText(line, record, Beneficiario, 30);
    line += QLatin1String("  Importo: ");
    appendStoredText(line, record, Totale);
    return line;
}

int filtersInUse(const MovementFilters& filters) {
    int n = 0;
    for (const QString& f : filters)
        n += !core::trimText(f).isEmpty();
    return n;
}

MovementMatcher::MovementMatcher(const MovementFilters& filters) {
    for (size_t i = 0; i < filters.size(); ++i) {
        if (core::trimText(filters[i]).isEmpty()) continue;
        keys_[i] = core::lowerAscii(filters[i]); // as typed: not trimmed
        ++inUse_;
    }
}

bool MovementMatcher::operator()(const char* record) const {
    int matched = 0;
    for (size_t i = 0; i < keys_.size(); ++i)
        if (!keys_[i].isEmpty() && core::containsFolded(load(record, kSearchFields[i]), keys_[i]))
            ++matched;
    return matched >= inUse_;
}

std::optional<bool> isPending(const char* record, const QDate& today) {
    if (storedText(record, Saldato) != QByteArrayView("No")) return false;
    const std::optional<QDate> due = core::parseDate(load(record, DataSca), today);
    bool whole = false;
    const int notice = load(record, Preavviso).toInt(&whole);
    if (!due || !whole) return std::nullopt;
    return due->addDays(-notice) <= today;
}

MovementList searchMovements(const core::Archive& archive, const MovementFilters& filters) {
    const MovementMatcher matches(filters);
    MovementList out;
    out.ok = archive.scan([&](qint64, const char* rec) {
        if (matches(rec)) out.lines.append(movementLine(rec));
        return true;
    });
    core::sortListLines(out.lines);
    return out;
}

MovementList pendingMovements(const core::Archive& archive, const QDate& today) {
    MovementList out;
    bool readable = true;
    out.ok = archive.scan([&](qint64, const char* rec) {
        const std::optional<bool> pending = isPending(rec, today);
        if (!pending) return readable = false; // stops here, silently
        if (*pending) out.lines.append(movementLine(rec));
        return true;
    });
    out.ok = out.ok && readable;
    core::sortListLines(out.lines);
    return out;
}

std::optional<Movement> movementOfLine(const core::Archive& archive, const QString& line,
                                       const RecordTest& listed) {
    const QString wanted = core::trimText(line);
    std::optional<Movement> found;
    std::vector<char> last;
    const bool ok = archive.scan([&](qint64 n, const char* rec) {
        if (core::trimText(movementLine(rec)) != wanted || !listed(rec)) return true;
        last.assign(rec, rec + archive.layout().recordLength());
        found = Movement{n, {}};
        return true;
    });
    if (!ok || !found) return std::nullopt;
    found->values = archive.layout().loadAll(last.data());
    return found;
}

QString countLine(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace cashbook
