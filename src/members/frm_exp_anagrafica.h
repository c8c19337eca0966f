#pragma once

#include "core/list_rows.h"
#include "platform/context.h"
#include "platform/export_window.h"

namespace members {

// The grid rows of the member export: column 0 the running number, 1..25 the member's data,
// every record in file order (cancelled ones too), as the stored bytes; damaged records left
// out and counted.
core::ListRows memberExportRows(const QString& folder);

// Shows the whole member archive in a grid and exports it as Tesserati.xls.
class TfrmExpAnagrafica : public platform::ExportWindow {
    Q_OBJECT
public:
    TfrmExpAnagrafica(platform::Context& ctx, QWidget* parent);
};

} // namespace members
