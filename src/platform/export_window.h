#pragma once

#include "core/list_rows.h"
#include "core/spreadsheet.h"
#include "platform/context.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QTableView;

namespace platform {

// A grid on screen: its header texts and pixel widths.
struct GridColumn {
    QString header;
    int width;
};

// Read-only rows for a grid, filled in one go and kept as stored bytes: a cell becomes a
// string only while it is on screen.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(QObject* parent, std::vector<GridColumn> columns);
    void setTable(core::CellTable table); // one cell per grid column
    const core::CellTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    const std::vector<GridColumn>& columns() const { return columns_; }

private:
    std::vector<GridColumn> columns_;
    core::CellTable table_;
};

// What an export window writes: grid column 0 (the running number) is never exported, grid
// columns 1..N go out under these headings.
struct ExportSheet {
    QString fileName;
    QString sheetName;
    std::vector<core::SheetColumn> columns;
};

// An export window's columns, grid and sheet side by side: the grid starts with the running
// number "N.", which is never exported; each column then has its grid header and its sheet
// heading, the same width in both.
struct ExportColumns {
    explicit ExportColumns(int numberWidth = 50) : grid{{QStringLiteral("N."), numberWidth}} {}
    void add(const QString& header, int width, const QString& heading,
             core::CellType type = core::CellType::Text) {
        grid.push_back({header, width});
        sheet.push_back({heading, width, type});
    }
    void add(const QString& heading, int width, core::CellType type = core::CellType::Text) {
        add(heading, width, heading, type);
    }

    std::vector<GridColumn> grid;
    std::vector<core::SheetColumn> sheet;
};

// The six export windows: a grid `grdRecords`, the picture buttons `cmdEsporta` (.xls),
// `cmdEsportaXlsx` (.xlsx), `cmdGuida`, `cmdEsci` and the status line `panInfo`. The owning window
// fills the rows when shown. A grid not read whole is never exported (the access message, or the
// warning of the damaged records left out): a partial file would pass for the complete list.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    ExportWindow(Context& ctx, QWidget* parent, const QString& className, const QString& caption,
                 std::vector<GridColumn> gridColumns, ExportSheet sheet);
    ExportWindow(Context& ctx, QWidget* parent, const QString& className, const QString& caption,
                 ExportColumns columns, const QString& fileName, const QString& sheetName)
        : ExportWindow(ctx, parent, className, caption, std::move(columns.grid),
                       {fileName, sheetName, std::move(columns.sheet)}) {}

    // The rows, one cell per grid column: as stored bytes (the fast way for a whole archive),
    // or as texts.
    void setTable(core::CellTable table) { model_->setTable(std::move(table)); }
    void setRows(const std::vector<QStringList>& rows);
    // The grid read from a file: its cells, and what was left out, told at once (no message
    // for a file not read to its end: that is told when an export is asked for).
    void showRows(core::ListRows rows);
    // Whether the rows set are the whole file (setTable and setRows: yes until told otherwise);
    // damaged records left out are told at once.
    void setReadWhole(bool whole, qsizetype skipped = 0);
    std::optional<qint64> recordAt(qsizetype row) const;
    qsizetype rowCount() const { return model_->table().rowCount(); }
    QString cell(qsizetype row, int column) const { return model_->table().text(row, column); }
    std::vector<QStringList> rows() const; // every cell decoded: for small grids and tests
    const ExportSheet& sheet() const { return sheet_; }
    // What cmdGuida shows in the help window.
    void setHelp(HelpTopic topic) { help_ = std::move(topic); }

    void exportGrid();     // cmdEsporta
    void exportWorkbook(); // cmdEsportaXlsx

protected:
    Context& ctx_;

private:
    ExportSheet sheet_;
    TextGridModel* model_;
    QTableView* grid_;
    bool mayExport();

    QLabel* panInfo_;
    HelpTopic help_;
    std::vector<qint64> records_;
    bool readWhole_ = true;
    qsizetype skipped_ = 0;
};

} // namespace platform
