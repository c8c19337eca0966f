#pragma once

#include "core/archive.h"
#include "deadlines/deadline_lists.h"
#include "platform/export_window.h"

#include <QDate>

namespace deadlines {

// The deadline grids: one row per record, one column per field, exported to a spreadsheet.
// A grid that could not be read whole is never exported: a partial file would pass for the
// complete list.
class DeadlineGrid : public platform::ExportWindow {
    Q_OBJECT
public:
    enum class Kind { Imminent, Day, Month, Year };

protected:
    DeadlineGrid(platform::Context& ctx, QWidget* parent, Kind kind, core::ListRows rows);
};

// The deadlines imminent today, in date and time order.
class TfrmExpImminenti : public DeadlineGrid {
    Q_OBJECT
public:
    TfrmExpImminenti(platform::Context& ctx, QWidget* parent);
};

// The deadlines of the day selected in the calendar.
class TfrmExpGiornaliere : public DeadlineGrid {
    Q_OBJECT
public:
    TfrmExpGiornaliere(platform::Context& ctx, QWidget* parent, const QDate& day);
};

// The deadlines of the month of the day selected in the calendar.
class TfrmExpMensili : public DeadlineGrid {
    Q_OBJECT
public:
    TfrmExpMensili(platform::Context& ctx, QWidget* parent, const QDate& day);
};

// Every sheet of the opened year, in file order.
class TfrmExpScadenzario : public DeadlineGrid {
    Q_OBJECT
public:
    TfrmExpScadenzario(platform::Context& ctx, QWidget* parent, const core::Archive& archive);
};

} // namespace deadlines
