#include "cashbook/movement_lists.h"

#include "core/dates.h"
#include "core/text.h"


namespace cashbook {

namespace {

constexpr core::LinePiece kLine[] = {{u"", Causale, 40},
                                     {u"  Scad. ", DataSca, 10},
                                     {u"  Da: ", Pagatore, 30},
                                     {u"  A: ", Beneficiario, 30},
                                     {u"  Importo: ", Totale, -1}};

} // namespace

std::optional<bool> isPending(const char* record, const QDate& today) {
    if (storedText(record, Saldato) != QByteArrayView("No")) return false;
    const std::optional<QDate> due = core::parseDate(load(record, DataSca), today);
    bool whole = false;
    const int notice = load(record, Preavviso).toInt(&whole);
    if (!due || !whole) return std::nullopt;
    return due->addDays(-notice) <= today;
}

core::ListRows searchMovements(const core::Archive& archive, const MovementFilters& filters) {
    const core::FieldFilter matches(movementLayout(), kSearchFields, filters);
    return core::listRows(archive, kLine, [&](const char* rec) { return matches.take(rec); });
}

core::ListRows pendingMovements(const core::Archive& archive, const QDate& today) {
    return core::listRows(archive, kLine, [&today](const char* rec) {
        const std::optional<bool> pending = isPending(rec, today);
        if (!pending) return core::Take::Damaged;
        return *pending ? core::Take::Keep : core::Take::Leave;
    });
}

QString countLine(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace cashbook
