#pragma once

#include "shell/password_window.h"

namespace shell {

class TfrmPassword;

// Changes the stored password; takes the place of the login window while shown.
class TfrmCambiaPassword : public PasswordWindow {
    Q_OBJECT
public:
    TfrmCambiaPassword(platform::Context& ctx, TfrmPassword* login);

    void ok() override; // cmdOK

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    TfrmPassword* login_;
    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
};

} // namespace shell
