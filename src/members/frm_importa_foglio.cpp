#include "members/frm_importa_foglio.h"

#include "core/record_file.h"
#include "platform/problem.h"
#include "platform/ui.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace members {

namespace {
// Files with more rows than this show how far the import has gone.
constexpr qsizetype kProgressRows = 2000;
} // namespace

// The checked rows: the sheet's row number, the fields the columns fill, and the result.
class ImportPreviewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const ImportPlan* plan, std::vector<MemberField> fields) {
        beginResetModel();
        plan_ = plan;
        fields_ = std::move(fields);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !plan_ ? 0 : int(plan_->rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(fields_.size()) + 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !plan_) return {};
        const ImportRow& row = plan_->rows[size_t(index.row())];
        const int last = columnCount() - 1;
        // A row left out reads in red, even with its result scrolled out of sight.
        if (role == Qt::ForegroundRole && !row.accepted()) return QColor(0xA0, 0x10, 0x10);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
        if (index.column() == 0) return row.sheetRow;
        if (index.column() == last) return row.result;
        return row.values.value(fields_[size_t(index.column() - 1)]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        if (section == 0) return u"Riga"_qs;
        if (section == columnCount() - 1) return u"Esito"_qs;
        return importFieldLabel(fields_[size_t(section - 1)]);
    }

private:
    const ImportPlan* plan_ = nullptr;
    std::vector<MemberField> fields_;
};

TfrmImportaFoglio::TfrmImportaFoglio(platform::Context& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmImportaFoglio"_qs,
                          u" Quorvix 5.0 - Importazione soci da foglio di calcolo"_qs, {900, 640});

    platform::makeLabel(this, u"Foglio di calcolo da importare (CSV, XLSX o XLS):"_qs)
        ->setGeometry(12, 12, 400, 18);
    txtFile_ = platform::makeEdit(this, u"txtFile"_qs, 32767);
    txtFile_->setReadOnly(true);
    txtFile_->setGeometry(12, 32, 756, 26);
    auto* sfoglia = new QPushButton(u"Sfoglia..."_qs, this);
    sfoglia->setObjectName(u"btnSfoglia"_qs);
    sfoglia->setGeometry(776, 30, 112, 30);
    connect(sfoglia, &QPushButton::clicked, this, &TfrmImportaFoglio::browse);

    platform::makeLabel(this, u"Colonne del foglio e campi della scheda in cui importarle "
                              u"(la prima riga del foglio è l'intestazione):"_qs)
        ->setGeometry(12, 70, 876, 18);
    grdColonne_ = new QTableWidget(0, 3, this);
    grdColonne_->setObjectName(u"grdColonne"_qs);
    grdColonne_->setHorizontalHeaderLabels(
        {u"Colonna del foglio"_qs, u"Campo della scheda"_qs, u"Primo valore"_qs});
    grdColonne_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdColonne_->setSelectionMode(QAbstractItemView::NoSelection);
    grdColonne_->verticalHeader()->hide();
    grdColonne_->verticalHeader()->setDefaultSectionSize(26);
    grdColonne_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdColonne_->horizontalHeader()->setStretchLastSection(true);
    grdColonne_->setColumnWidth(0, 260);
    grdColonne_->setColumnWidth(1, 290);
    grdColonne_->setGeometry(12, 90, 876, 190);

    platform::makeLabel(this, u"Anteprima: si importano soltanto le righe con esito OK."_qs)
        ->setGeometry(12, 292, 876, 18);
    preview_ = new ImportPreviewModel(this);
    grdAnteprima_ = new QTableView(this);
    grdAnteprima_->setObjectName(u"grdAnteprima"_qs);
    grdAnteprima_->setModel(preview_);
    grdAnteprima_->setAlternatingRowColors(true);
    grdAnteprima_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAnteprima_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAnteprima_->verticalHeader()->hide();
    grdAnteprima_->verticalHeader()->setDefaultSectionSize(22);
    grdAnteprima_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdAnteprima_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdAnteprima_->setGeometry(12, 312, 876, 270);

    lblRiepilogo_ = platform::makeLabel(this, {}, u"lblRiepilogo"_qs);
    lblRiepilogo_->setGeometry(12, 596, 560, 30);
    prgImporta_ = new QProgressBar(this);
    prgImporta_->setObjectName(u"prgImporta"_qs);
    prgImporta_->setGeometry(12, 598, 560, 26);
    prgImporta_->hide();

    btnImporta_ = new QPushButton(u"Importa"_qs, this);
    btnImporta_->setObjectName(u"btnImporta"_qs);
    btnImporta_->setGeometry(668, 596, 106, 32);
    btnImporta_->setEnabled(false);
    connect(btnImporta_, &QPushButton::clicked, this, &TfrmImportaFoglio::importRows);
    auto* chiudi = new QPushButton(u"Chiudi"_qs, this);
    chiudi->setObjectName(u"btnChiudi"_qs);
    chiudi->setGeometry(782, 596, 106, 32);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmImportaFoglio::browse() {
    const QString path = ctx_.platform.openFileName(
        this, {u"Selezionare il foglio di calcolo da importare."_qs,
               u"Fogli di calcolo (*.csv *.xlsx *.xls *.txt);;File CSV (*.csv *.txt);;"
               u"Cartelle di lavoro Excel (*.xlsx);;Esportazioni del programma (*.xls);;"
               u"Tutti i file (*)"_qs,
               ctx_.folder,
               {},
               {}});
    if (!path.isEmpty()) openSheet(path);
}

bool TfrmImportaFoglio::openSheet(const QString& path) {
    sheets::SheetFile sheet = sheets::readSheetFile(path);
    if (sheet.error != sheets::SheetError::None)
        return !platform::showProblem(ctx_, this, sheetProblem(sheet));
    auto keys = archiveMemberKeys(ctx_.folder);
    if (!keys) {
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        return false;
    }
    existing_ = std::move(*keys);
    rows_ = std::move(sheet.rows);
    txtFile_->setText(QFileInfo(path).absoluteFilePath());
    columns_ = matchColumns(rows_[size_t(headingRow(rows_))]);
    fillColumns();
    recheck();
    return true;
}

void TfrmImportaFoglio::fillColumns() {
    const int heading = headingRow(rows_);
    qsizetype width = 0;
    for (const QStringList& row : rows_)
        width = std::max(width, row.size());
    columns_.resize(size_t(width), kIgnoreColumn);
    QStringList choices{ignoreLabel()};
    for (const ImportField& f : importFields())
        choices << QString::fromUtf16(f.label);

    // The first value of each column, in one pass over the cells the rows hold.
    QStringList samples(width);
    qsizetype missing = width;
    for (size_t r = size_t(heading) + 1; r < rows_.size() && missing > 0; ++r)
        for (qsizetype c = 0; c < rows_[r].size(); ++c)
            if (samples[c].isEmpty()) {
                samples[c] = rows_[r][c].simplified();
                if (!samples[c].isEmpty()) --missing;
            }

    grdColonne_->setRowCount(int(width));
    for (int c = 0; c < int(width); ++c) {
        QString title = rows_[size_t(heading)].value(c).simplified();
        if (title.isEmpty()) title = u"(colonna %1 senza intestazione)"_qs.arg(c + 1);
        const QString& sample = samples[c];
        grdColonne_->setItem(c, 0, new QTableWidgetItem(title));
        grdColonne_->setItem(c, 2, new QTableWidgetItem(sample));
        auto* field = new QComboBox(grdColonne_);
        field->setObjectName(u"cboCampo%1"_qs.arg(c + 1));
        field->addItems(choices);
        field->setMaxVisibleItems(20);
        field->setCurrentIndex(columns_[size_t(c)] + 1);
        connect(field, &QComboBox::currentIndexChanged, this, [this, c](int index) {
            columns_[size_t(c)] = index - 1;
            recheck();
        });
        grdColonne_->setCellWidget(c, 1, field);
    }
}

void TfrmImportaFoglio::recheck() {
    plan_ = checkSheet(rows_, columns_, existing_, ctx_.platform.today());
    // The preview shows the card fields and every field some column fills.
    std::vector<bool> shown(MemberFieldCount, false);
    for (MemberField f : {Tesserato, NumTessera, DataRil, DataScade})
        shown[f] = true;
    const auto fields = importFields();
    for (int choice : columns_)
        if (choice >= 0) {
            const ImportField& f = fields[size_t(choice)];
            shown[f.field] = true;
            if (f.fill == ColumnFill::TownAndProvince) shown[ProvNasc] = true;
            if (f.fill == ColumnFill::PostcodeTownAndProvince)
                shown[CapRes] = shown[ProvRes] = true;
        }
    std::vector<MemberField> columns;
    for (int f = 0; f < MemberFieldCount; ++f)
        if (shown[size_t(f)]) columns.push_back(MemberField(f));
    preview_->show(&plan_, columns);
    // Columns as wide as their first rows need, within bounds, so the result stays in reach.
    const QFontMetrics metrics(grdAnteprima_->font());
    const int sampleRows = std::min(preview_->rowCount(), 200);
    for (int c = 0; c < preview_->columnCount(); ++c) {
        int width = metrics.horizontalAdvance(
                        preview_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                    18;
        for (int r = 0; r < sampleRows; ++r)
            width = std::max(
                width, metrics.horizontalAdvance(preview_->index(r, c).data().toString()) + 12);
        const bool result = c == preview_->columnCount() - 1;
        grdAnteprima_->setColumnWidth(c, std::min(width, result ? 900 : 200));
    }
    grdAnteprima_->horizontalHeader()->setStretchLastSection(true);

    const qsizetype total = qsizetype(plan_.rows.size());
    lblRiepilogo_->setText(
        u"Righe del foglio: %1   -   da importare: %2   -   escluse: %3"_qs.arg(total)
            .arg(plan_.accepted)
            .arg(total - plan_.accepted));
    btnImporta_->setEnabled(plan_.accepted > 0);
}

void TfrmImportaFoglio::importRows() {
    if (plan_.accepted == 0) return;
    const qsizetype leftOut = qsizetype(plan_.rows.size()) - plan_.accepted;
    if (ctx_.platform.message(this, platform::MsgKind::Question,
                              importQuestion(plan_.accepted, leftOut)) == platform::Answer::No)
        return;

    const bool showProgress = plan_.accepted > kProgressRows;
    if (showProgress) {
        lblRiepilogo_->hide();
        prgImporta_->setRange(0, int(plan_.accepted));
        prgImporta_->setValue(0);
        prgImporta_->show();
    }
    const auto outcome = importAccepted(ctx_.folder, plan_, [&](qint64 done) {
        if (!showProgress) return;
        prgImporta_->setValue(int(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    prgImporta_->hide();
    lblRiepilogo_->show();
    if (!outcome) {
        ctx_.platform.message(this, platform::MsgKind::Error, importFailedMessage());
        return;
    }
    ctx_.platform.message(this, platform::MsgKind::Information,
                          importDoneMessage(outcome->imported, leftOut, outcome->foundMeanwhile));
    // The archive as it now is: every row written, by this copy or another, shows as present
    // and cannot be imported twice.
    existing_ = outcome->keys;
    recheck();
}

} // namespace members
