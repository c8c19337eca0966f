#include "platform/export_window.h"

#include "platform/export_flow.h"
#include "platform/text_list.h"
#include "platform/ui.h"
#include "platform/workbook_flow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

namespace platform {

TextGridModel::TextGridModel(QObject* parent, std::vector<GridColumn> columns)
    : QAbstractTableModel(parent), columns_(std::move(columns)), table_(int(columns_.size())) {}

void TextGridModel::setTable(core::CellTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.rowCount());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return index.column() < table_.columnCount() ? table_.text(index.row(), index.column())
                                                 : QString();
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= int(columns_.size()))
        return {};
    return columns_[size_t(section)].header;
}

ExportWindow::ExportWindow(Context& ctx, QWidget* parent, const QString& className,
                           const QString& caption, std::vector<GridColumn> gridColumns,
                           ExportSheet sheet)
    : QDialog(parent), ctx_(ctx), sheet_(std::move(sheet)) {
    setupDialog(this, className, caption, {862, 560});
    model_ = new TextGridModel(this, std::move(gridColumns));

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grdRecords"));
    grid_->setModel(model_);
    grid_->setAlternatingRowColors(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < int(model_->columns().size()); ++c)
        grid_->setColumnWidth(c, model_->columns()[size_t(c)].width);
    grid_->setGeometry(12, 12, 838, 462);

    panInfo_ = makeLabel(this, QStringLiteral("Esportazione archivio in Microsoft Excel."),
                         QStringLiteral("panInfo"));
    panInfo_->setFrameShape(QFrame::StyledPanel);
    panInfo_->setFrameShadow(QFrame::Sunken);
    panInfo_->setGeometry(12, 530, 838, 22);

    auto* esporta =
        pictureButton(this, QStringLiteral("cmdEsporta"), QStringLiteral(":/art/excel.svg"),
                      QStringLiteral("Esporta"), {36, 36});
    auto* esportaXlsx =
        pictureButton(this, QStringLiteral("cmdEsportaXlsx"), QStringLiteral(":/art/xlsx.svg"),
                      QStringLiteral("Esporta .xlsx"), {36, 36});
    auto* guida = pictureButton(this, QStringLiteral("cmdGuida"), QStringLiteral(":/art/guida.svg"),
                                QStringLiteral("Guida"), {36, 36});
    auto* esci = pictureButton(this, QStringLiteral("cmdEsci"), QStringLiteral(":/art/esci.svg"),
                               QStringLiteral("Esci"), {36, 36});
    esporta->setGeometry(12, 482, 44, 44);
    esportaXlsx->setGeometry(60, 482, 44, 44);
    guida->setGeometry(108, 482, 44, 44);
    esci->setGeometry(806, 482, 44, 44);
    setStatusHint(esporta, panInfo_,
                  QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    setStatusHint(esportaXlsx, panInfo_,
                  QStringLiteral("Esporta in una cartella di lavoro di Excel (.xlsx)."));
    setStatusHint(guida, panInfo_,
                  QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    setStatusHint(esci, panInfo_, QStringLiteral("Esci da questo ambiente di lavoro."));
    setStatusHint(grid_, panInfo_, QString());

    connect(esporta, &QToolButton::clicked, this, &ExportWindow::exportGrid);
    connect(esportaXlsx, &QToolButton::clicked, this, &ExportWindow::exportWorkbook);
    connect(guida, &QToolButton::clicked, this, [this] { ctx_.platform.showHelp(this, help_); });
    connect(esci, &QToolButton::clicked, this, &QDialog::accept);
}

void ExportWindow::setRows(const std::vector<QStringList>& rows) {
    core::CellTable table(int(model_->columns().size()));
    for (const QStringList& row : rows)
        table.addRow(row);
    setTable(std::move(table));
}

std::vector<QStringList> ExportWindow::rows() const {
    const core::CellTable& t = model_->table();
    std::vector<QStringList> out(size_t(t.rowCount()));
    for (qsizetype r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.columnCount(); ++c)
            out[size_t(r)].append(t.text(r, c));
    return out;
}

void ExportWindow::showRows(core::ListRows rows) {
    records_ = std::move(rows.records);
    model_->setTable(std::move(rows.cells));
    setReadWhole(rows.readWhole, rows.skipped);
}

void ExportWindow::setReadWhole(bool whole, qsizetype skipped) {
    readWhole_ = whole;
    skipped_ = skipped;
    if (whole && skipped > 0)
        ctx_.platform.message(this, MsgKind::Warning, core::skippedRecordsMessage(skipped));
}

std::optional<qint64> ExportWindow::recordAt(qsizetype row) const {
    if (row < 0 || size_t(row) >= records_.size()) return std::nullopt;
    return records_[size_t(row)];
}

bool ExportWindow::mayExport() {
    core::ListRows read;
    read.readWhole = readWhole_;
    read.skipped = skipped_;
    return tellIncomplete(ctx_, this, read);
}

void ExportWindow::exportGrid() {
    if (!mayExport()) return;
    const core::CellTable& t = model_->table();
    SpreadsheetExport e{sheet_.fileName, sheet_.sheetName, sheet_.columns, t.rowCount(), {}, &t};
    runSpreadsheetExport(ctx_, this, e);
}

void ExportWindow::exportWorkbook() {
    if (!mayExport()) return;
    const core::CellTable& t = model_->table();
    SpreadsheetExport e{sheet_.fileName, sheet_.sheetName, sheet_.columns, t.rowCount(), {}, &t};
    runWorkbookExport(ctx_, this, e);
}

} // namespace platform
