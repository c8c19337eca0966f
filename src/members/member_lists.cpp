#include "members/member_lists.h"

#include "core/dates.h"
#include "core/list_text.h"
#include "core/text.h"
#include "core/win1252.h"
#include "members/member_text.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace members {

namespace {

inline QString load(const char* record, MemberField f) {
    return memberLayout().load(record, f);
}

bool isActive(const char* record) {
    return storedText(record, Annullata) == QByteArrayView("No");
}

core::Archive memberFile(const QString& folder) {
    return core::Archive(folder, kMemberFileName, memberLayout());
}

constexpr core::LinePiece kSearchLine[] = {{u"", Tesserato, 30},
                                           {u"  Tessera n. ", NumTessera, 20},
                                           {u"  Scad. ", DataScade, 10},
                                           {u"  Tel. ", Recapito, 12},
                                           {u"  ", Note, -1}};
constexpr core::LinePiece kPickerLine[] = {{u"", Tesserato, 30},
                                           {u"  C.F. ", CodFisc, 16},
                                           {u"  Scad. ", DataScade, 10},
                                           {u"  Tel. ", Recapito, 15},
                                           {u" Note: ", Note, -1}};

std::optional<QDate> storedDate(const char* record, MemberField f, const QDate& today) {
    return core::parseStoredDate(storedText(record, f), today);
}

std::optional<int> storedNumber(const char* record, MemberField f) {
    return core::parseStoredNumber(storedText(record, f));
}

} // namespace

core::ListRows searchMembers(const QString& folder, const MemberFilters& filters,
                             bool cancelledToo) {
    const core::FieldFilter matches(memberLayout(), kFilterFields, filters);
    const auto rule = [&](const char* rec) {
        if (!cancelledToo && !isActive(rec)) return core::Take::Leave;
        return matches.take(rec);
    };
    core::LineEnding ending;
    if (cancelledToo)
        ending = [](const char* rec) -> QStringView {
            return isActive(rec) ? QStringView() : QStringView(u"  (annullata)");
        };
    return core::listRows(memberFile(folder), kSearchLine, rule, ending);
}

core::ListRows pickerMembers(const QString& folder) {
    return core::listRows(memberFile(folder), kPickerLine, [](const char* rec) {
        return storedText(rec, Tesserato).isEmpty() ? core::Take::Leave : core::Take::Keep;
    });
}

Renewal renewalState(const char* record, const QDate& today) {
    if (!isActive(record)) return Renewal::NotDue;
    const std::optional<QDate> expiry = storedDate(record, DataScade, today);
    const std::optional<int> notice = storedNumber(record, Preavviso);
    if (!expiry || !notice) return Renewal::Unreadable;
    return expiry->addDays(-*notice) <= today ? Renewal::Due : Renewal::NotDue;
}

core::ListRows renewalMembers(const QString& folder, const QDate& today) {
    return core::listRows(memberFile(folder), kSearchLine, [&today](const char* rec) {
        switch (renewalState(rec, today)) {
        case Renewal::Due:
            return core::Take::Keep;
        case Renewal::NotDue:
            return core::Take::Leave;
        case Renewal::Unreadable:
            break;
        }
        return core::Take::Damaged;
    });
}

QString countLine(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace members
