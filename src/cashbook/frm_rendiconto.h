#pragma once

#include "cashbook/statement.h"
#include "platform/print_prompt.h"
#include "platform/ui.h"
#include "reports/report.h"

class QChartView;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;
class QToolButton;

namespace cashbook {

// The annual statement of a year file: the opening balance, income and expenses by reason and
// by month, the closing balance and two charts; printed on two pages or exported.
class TfrmRendiconto : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmRendiconto(platform::Context& ctx);

    // The two-page report of the statement shown, as the print prompt builds it.
    reports::Report report() const;

public slots:
    void openYear(); // btnApri: the year typed
    void print();    // cmdStampa
    void preview();  // cmdAnteprima
    void exportSheet();
    void help();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void openingTyped();
    void showStatement();
    void clearStatement();
    void runPrompt(platform::PrintMode mode);

    QLabel* panInfo_;
    QLineEdit* txtAnno_;
    QLineEdit* txtSaldoIniziale_;
    QLabel* lblOrigineSaldo_;
    QTableView* grdCausali_;
    QTableView* grdMesi_;
    QStandardItemModel* causali_;
    QStandardItemModel* mesi_;
    QChartView* chrMesi_;
    QChartView* chrCausali_;
    std::vector<QLabel*> totals_; // caption and value of each closing figure
    QLabel* lblNonSaldati_;

    Statement statement_;
    Opening opening_;
    bool shown_ = false;
    bool typing_ = false; // a message about the opening balance is open
};

// What the prompt in front of the statement's print or preview shows.
class TfrmStampaRendiconto : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaRendiconto(platform::Context& ctx, QWidget* parent, platform::PrintMode mode,
                         platform::PrintJobSource source);
};

} // namespace cashbook
