#pragma once

#include "platform/ui.h"

class QLineEdit;

namespace book {

// Creates a new, empty register from the name typed in `txtFile`.
class TfrmCreaRegistro : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmCreaRegistro(platform::Context& ctx);

public slots:
    void apply(); // "Applica e chiudi"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* txtFile_;
};

// The characters that typing into the name field discards (pasting does not filter).
bool discardedInRegisterName(QChar c);

} // namespace book
