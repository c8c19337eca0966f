#pragma once

#include "book/page_generation.h"
#include "platform/context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace book {

class PlanModel;

// Fills a register with pages made from the member archive: which members, in which order, from
// which running number; a grid shows the pages to be made before "Genera" writes them all at once.
class TfrmGeneraPagine : public QDialog {
    Q_OBJECT
public:
    // `heading`: the book's heading as the page editor holds it, put on every new page.
    TfrmGeneraPagine(platform::Context& ctx, QWidget* parent, const QString& registerPath,
                     const PageValues& heading);
    ~TfrmGeneraPagine() override;

    const GenerationPlan& plan() const { return plan_; }
    // Pages written by the last "Genera" (0 when none).
    int pagesWritten() const { return written_; }

public slots:
    bool refresh(); // btnAnteprima: the grid from the choices as they stand
    void generate(); // btnGenera

private:
    std::optional<GenerationRequest> request();
    void showPlan();

    platform::Context& ctx_;
    QString registerPath_;
    PageValues heading_;
    GenerationPlan plan_;
    int written_ = 0;

    QRadioButton* optAttivi_;
    QRadioButton* optRilascio_;
    QRadioButton* optRicerca_;
    QLineEdit* txtDal_;
    QLineEdit* txtAl_;
    QLineEdit* txtTesserato_;
    QLineEdit* txtCarica_;
    QLineEdit* txtComuneRes_;
    QRadioButton* optNome_;
    QRadioButton* optTessera_;
    QLineEdit* txtPrimo_;
    PlanModel* model_;
    QTableView* grdPagine_;
    QLabel* lblRiepilogo_;
    QProgressBar* prgGenera_;
};

} // namespace book
