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

namespace {

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

std::optional<QDate> storedDate(const char* record, MovementField f, const QDate& today) {
    const QByteArrayView b = storedText(record, f);
    if (b.size() == 10 && b[2] == '/' && b[5] == '/') {
        const int d[] = {digit(b[0]), digit(b[1]), digit(b[3]), digit(b[4]),
                         digit(b[6]), digit(b[7]), digit(b[8]), digit(b[9])};
        if (std::all_of(std::begin(d), std::end(d), [](int x) { return x >= 0; })) {
            const int day = d[0] * 10 + d[1], month = d[2] * 10 + d[3];
            const int year = d[4] * 1000 + d[5] * 100 + d[6] * 10 + d[7];
            if (!QDate::isValid(year, month, day)) return std::nullopt;
            return QDate(year, month, day);
        }
    }
    return core::parseDate(load(record, f), today);
}

} // namespace cashbook
