#pragma once

#include "cashbook/renewal.h"
#include "platform/context.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace cashbook {

// The rows of the renewal grid: the members due, whether each is ticked, its fee as typed and
// what happened to it. The new expiry follows the window's options.
class RenewalGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Tick, Name, Card, Expiry, NewExpiry, FeeColumn, Email, Outcome, ColumnCount };

    RenewalGridModel(QObject* parent, const QDate& today);
    void setRows(std::vector<RenewalRow> rows);
    void setOptions(const RenewalOptions& options);
    void setDone(bool done) { done_ = done; }

    const std::vector<RenewalRow>& rows() const { return rows_; }
    bool ticked(int row) const { return ticked_[size_t(row)]; }
    QString newExpiryText(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QDate today_;
    RenewalOptions options_;
    std::vector<RenewalRow> rows_;
    std::vector<char> ticked_;
    bool done_ = false;
};

// " Quorvix 5.0 - Rinnovo tessere": the members due in a grid, the options of the renewal, then
// one step that writes the member file and the cash book; afterwards the cards and the
// confirmation e-mail of the members renewed.
class TfrmRinnovo : public QDialog {
    Q_OBJECT
public:
    TfrmRinnovo(platform::Context& ctx, QWidget* parent);

    void renew();        // "Rinnova"
    void printCards();   // "Stampa tessere"
    void sendEmail();    // "Invia conferma"
    const std::vector<qint64>& renewedRecords() const { return renewed_; }

private:
    void fill();
    void optionsChanged();
    std::optional<RenewalOptions> checkedOptions();

    platform::Context& ctx_;
    RenewalGridModel* model_;
    QTableView* grid_;
    QRadioButton* optUnAnno_;
    QRadioButton* optDataFissa_;
    QLineEdit* txtDataFissa_;
    QLineEdit* txtDataRil_;
    QCheckBox* chkPrimanota_;
    QLabel* lblAnno_;
    QLineEdit* txtCausale_;
    QLineEdit* txtPagamento_;
    QProgressBar* progress_;
    QPushButton* btnRinnova_;
    QPushButton* btnTessere_;
    QPushButton* btnEmail_;
    QLabel* panInfo_;
    QString shownReason_; // the default reason last put in, replaced while untouched
    std::vector<qint64> renewed_;
    QStringList renewedEmails_;
};

// Opens the window over `parent` (the renewal list).
void renewDue(platform::Context& ctx, QWidget* parent);

} // namespace cashbook
