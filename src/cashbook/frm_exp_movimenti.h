#pragma once

#include "core/archive.h"
#include "core/list_rows.h"
#include "platform/context.h"
#include "platform/export_window.h"

#include <QStringList>

#include <vector>

namespace cashbook {

// The grid rows of the movement export: column 0 the running number, 1..20 the movement's
// data, every record in file order as the stored bytes; damaged records left out and counted.
core::ListRows movementExportRows(const core::Archive& archive);

// The whole year in a grid, exported as Movimenti.xls.
class TfrmExpMovimenti : public platform::ExportWindow {
    Q_OBJECT
public:
    // `yearFile`: the full path of the current year file.
    TfrmExpMovimenti(platform::Context& ctx, QWidget* parent, const QString& yearFile);
};

} // namespace cashbook
