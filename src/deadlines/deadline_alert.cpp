#include "deadlines/deadline_alert.h"

#include "core/archive.h"
#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"

namespace deadlines {

QList<int> imminentYears(const QDate& today) {
    QList<int> years;
    for (int y = today.year(); y <= today.addDays(kMaxNoticeDays).year(); ++y)
        years.append(y);
    return years;
}

bool scanImminent(const QString& folder, const QDate& today, const ImminentVisitor& visit) {
    for (int year : imminentYears(today)) {
        const core::Archive archive(folder, yearFileName(year), deadlineLayout());
        const auto each = [&](qint64 number, const char* record) {
            if (isImminent(record, today).value_or(false)) visit(year, number, record);
            return true;
        };
        const bool ok = year == today.year() ? archive.scan(each) : archive.scanExisting(each);
        if (!ok) return false;
    }
    return true;
}

std::optional<int> countImminent(const QString& folder, const QDate& today) {
    int count = 0;
    if (!scanImminent(folder, today, [&](int, qint64, const char*) { ++count; }))
        return std::nullopt;
    return count;
}

} // namespace deadlines
