#pragma once

#include "platform/context.h"
#include "platform/platform.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace checks {

// The form every check window shares: an instruction, one field, "Controlla" and "Chiudi".
// Enter in the field moves to "Controlla"; a verdict closes the window, a refusal keeps it open
// with the focus back in the field.
class CheckDialog : public QDialog {
    Q_OBJECT
public:
    // The opener's value. Kept whole even past the field's limit, so a longer value is refused
    // for its length instead of being judged on a cut-down copy.
    void setValue(const QString& text);

    QLineEdit* field() const { return field_; }
    void controlla(); // btnControlla

protected:
    struct Form {
        QString className, caption, instruction, art, fieldName;
        int maxLength = 0;
        bool digitsOnly = false; // keys 0..9, Backspace, Delete, Left, Right
        bool liveUpper = false;  // trimmed and upper-cased after every change
    };
    CheckDialog(platform::Context& ctx, QWidget* opener, const Form& form);

    virtual void check() = 0;
    void refuse(const QString& warning);
    void verdict(platform::MsgKind kind, const QString& text);

    platform::Context& ctx_;

private:
    QLineEdit* field_;
    QPushButton* btnControlla_;
};

} // namespace checks
