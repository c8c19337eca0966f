#pragma once

#include "book/title_page.h"
#include "platform/context.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace book {

// The book's title page: ten texts from Libro_Soci.ini, written back whenever the window
// closes; preview and print of the cover.
class TfrmFrontespizioReg : public QDialog {
    Q_OBJECT
public:
    TfrmFrontespizioReg(platform::Context& ctx, QWidget* parent);

    TitleTexts texts() const; // trimmed

public slots:
    void preview(); // "Anteprima"
    void print();   // "Stampa"
    void done(int result) override;

private:
    void build();

    platform::Context& ctx_;
    std::array<QLineEdit*, kTitleKeyCount> fields_{};
};

} // namespace book
