#pragma once

#include "book/page_record.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace book {

// The page list line of a stored page (kPageRecordLength bytes): the first member's order
// number, name, fiscal code, card, telephone and fee, each fitted to its width.
QString pageLine(const char* record);

// The lines of every page whose register number is set, in page order, with the page each
// line stands for. `ok` false when reading stopped on a failure (the lines so far are kept).
struct PageList {
    QStringList lines;
    std::vector<qint64> pages;
    bool ok = true;
};
PageList readPageList(const QString& registerPath);

// The page to load for a double click on line `row`: the last of the listed pages whose line,
// trimmed, equals that line trimmed (pages with identical lines load the last of them).
std::optional<qint64> pageOfLine(const PageList& list, int row);

// The page read whole, or nothing when it cannot be read.
std::optional<PageValues> readPage(const QString& registerPath, qint64 page);

// The title of the printed page list.
inline const QString kPageListTitle = QStringLiteral("Riepilogo pagine Libro Soci");

} // namespace book
