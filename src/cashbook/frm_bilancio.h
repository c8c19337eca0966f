#pragma once

#include "cashbook/balance.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace cashbook {

// The balance summary of one interval: its lines, the three totals, "Trova" and printing.
class TfrmBilancio : public QDialog {
    Q_OBJECT
public:
    TfrmBilancio(platform::Context& ctx, QWidget* parent, const Balance& balance,
                 const QString& filter, const QString& interval);

    void print(); // "Stampa primanota"
    // What the list template receives: its title and its lines, the closing lines included.
    QString printTitle() const;
    QStringList printedLines() const;

private:
    platform::Context& ctx_;
    platform::TextList* lstRecords_;
    QLabel* titTipologia_;
    QLabel* lblIntervallo_;
    QLabel* lblTotEntrate_;
    QLabel* lblTotUscite_;
    QLabel* lblBilancio_;
};

} // namespace cashbook
