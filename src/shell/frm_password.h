#pragma once

#include "shell/password_window.h"

namespace shell {

// The login window, first shown and the application's main window.
class TfrmPassword : public PasswordWindow {
    Q_OBJECT
public:
    explicit TfrmPassword(platform::Context& ctx);

    void ok() override;    // cmdOK
    void changePassword(); // btnCambiaPassword
    // Back from the password-change window: empty field and mode label, focus the field.
    void reset();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLineEdit* txtPassword_;
};

} // namespace shell
