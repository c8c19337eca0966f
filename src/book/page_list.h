#pragma once

#include "book/page_record.h"
#include "core/list_rows.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace book {

// The pages whose register number is set, in page order, one line each by the first member:
// order number, name, fiscal code, card, telephone and fee, each fitted to its width.
core::ListRows readPageList(const QString& registerPath);

// The page read whole, or nothing when it cannot be read.
std::optional<PageValues> readPage(const QString& registerPath, qint64 page);

// The title of the printed page list.
inline const QString kPageListTitle = QStringLiteral("Riepilogo pagine Libro Soci");

} // namespace book
