#pragma once

#include "cards/card_settings.h"
#include "platform/context.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace cards {

// The organisation's four texts, typed by the user. "Applica e chiudi" accepts, "Annulla"
// rejects; the opener applies texts() by the mode word in `lblMemory`.
class TfrmDatiEnte : public QDialog {
    Q_OBJECT
public:
    TfrmDatiEnte(platform::Context& ctx, QWidget* parent, const QString& mode,
                 const OrganisationTexts& texts);

    QString mode() const;
    OrganisationTexts texts() const; // trimmed

    // "Applica e chiudi": refused, on the field, while a text holds a character the settings
    // file cannot.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    platform::Context& ctx_;
    QLabel* lblMemory_;
    QLineEdit* txtAssociazione_;
    QLineEdit* txtSottotitolo01_;
    QLineEdit* txtSottotitolo02_;
    QLineEdit* txtAnnotazioni_;
};

} // namespace cards
