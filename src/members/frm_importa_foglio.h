#pragma once

#include "members/sheet_import.h"
#include "platform/context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;

namespace members {

class ImportPreviewModel;

// Brings members in from a spreadsheet (CSV, XLSX or our own XLS export): the columns matched
// to the member fields in `grdColonne`, every row checked and shown in `grdAnteprima`, and
// `btnImporta` appending the accepted rows to the archive, all of them or none.
class TfrmImportaFoglio : public QDialog {
    Q_OBJECT
public:
    TfrmImportaFoglio(platform::Context& ctx, QWidget* parent);

    // Reads the sheet at `path` and shows it; false (after the message) when it cannot be read,
    // and then the window keeps what it showed.
    bool openSheet(const QString& path);
    const ImportPlan& plan() const { return plan_; }

public slots:
    void browse();     // btnSfoglia
    void importRows(); // btnImporta

private:
    void fillColumns();
    void recheck();

    platform::Context& ctx_;
    SheetRows rows_;
    std::vector<int> columns_; // drop-down entry of each sheet column, -1 ignored
    MemberKeys existing_;
    ImportPlan plan_;

    QLineEdit* txtFile_;
    QTableWidget* grdColonne_;
    QTableView* grdAnteprima_;
    ImportPreviewModel* preview_;
    QLabel* lblRiepilogo_;
    QProgressBar* prgImporta_;
    QPushButton* btnImporta_;
};

} // namespace members
