#include "platform/export_window.h"

#include "platform/export_flow.h"
#include "platform/ui.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

namespace platform {

TextGridModel::TextGridModel(QObject* parent, std::vector<GridColumn> columns)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void TextGridModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const QStringList& row = rows_[size_t(index.row())];
    return index.column() < row.size() ? row[index.column()] : QString();
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= int(columns_.size()))
        return {};
    return columns_[size_t(section)].header;
}

ExportWindow::ExportWindow(Context& ctx, QWidget* parent, const QString& className,
                           const QString& caption, std::vector<GridColumn> gridColumns,
                           ExportSpec sheet)
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
    auto* guida = pictureButton(this, QStringLiteral("cmdGuida"), QStringLiteral(":/art/guida.svg"),
                                QStringLiteral("Guida"), {36, 36});
    auto* esci = pictureButton(this, QStringLiteral("cmdEsci"), QStringLiteral(":/art/esci.svg"),
                               QStringLiteral("Esci"), {36, 36});
    esporta->setGeometry(12, 482, 44, 44);
    guida->setGeometry(60, 482, 44, 44);
    esci->setGeometry(806, 482, 44, 44);
    setStatusHint(esporta, panInfo_,
                  QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    setStatusHint(guida, panInfo_,
                  QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    setStatusHint(esci, panInfo_, QStringLiteral("Esci da questo ambiente di lavoro."));
    setStatusHint(grid_, panInfo_, QString());

    connect(esporta, &QToolButton::clicked, this, &ExportWindow::exportGrid);
    connect(guida, &QToolButton::clicked, this, [this] { ctx_.platform.showHelp(this, {helpTitle_, helpText_}); });
    connect(esci, &QToolButton::clicked, this, &QDialog::accept);
}

void ExportWindow::exportGrid() {
    const auto& rows = model_->rows();
    SpreadsheetExport e{sheet_.fileName, sheet_.sheetName, sheet_.columns, qsizetype(rows.size()),
                        [&rows](qsizetype r, qsizetype c) {
                            const QStringList& row = rows[size_t(r)];
                            return c + 1 < row.size() ? row[c + 1] : QString();
                        }};
    runSpreadsheetExport(ctx_, this, e);
}

} // namespace platform
