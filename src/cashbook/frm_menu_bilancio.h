#pragma once

#include "platform/ui.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace cashbook {

// The balance menu: year, reason filter and an interval within the year. "Visualizza
// riepilogo" checks them, reads the year file and shows the result window.
class TfrmMenuBilancio : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmMenuBilancio(platform::Context& ctx);

public slots:
    void visualizza();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items);
    void yearChanged();

    QLineEdit* txtAnno_;
    QLineEdit* txtTipologia_;
    QComboBox* txtGiornoInizio_;
    QComboBox* txtMeseInizio_;
    QComboBox* txtGiornoFine_;
    QComboBox* txtMeseFine_;
    QLabel* lblAnnoInizio_;
    QLabel* lblAnnoFine_;
    QLabel* lblAttendere_;
    QLabel* lblDataInizio_;
    QLabel* lblDataFine_;
    QLabel* lblFile_;
};

} // namespace cashbook
