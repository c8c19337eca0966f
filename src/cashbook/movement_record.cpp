#include "cashbook/movement_record.h"

#include "core/dates.h"

#include <QFileInfo>

#include <algorithm>

namespace cashbook {

const core::RecordLayout& movementLayout() {
    static const core::RecordLayout layout(kMovementFields);
    return layout;
}

QString yearFileName(const QString& year) {
    return year.trimmed() + QStringLiteral(".eur");
}

core::Archive yearArchive(const QString& path) {
    const QFileInfo info(path);
    return core::Archive(info.path(), info.fileName(), movementLayout());
}

QString yearOfFile(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

std::optional<QDate> storedDate(const char* record, MovementField f, const QDate& today) {
    return core::parseStoredDate(storedText(record, f), today);
}

} // namespace cashbook
