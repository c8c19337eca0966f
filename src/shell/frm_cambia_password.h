#pragma once

#include "platform/context.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace shell {

class TfrmPassword;

// Changes the stored password; takes the place of the login window while shown.
class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    TfrmCambiaPassword(platform::Context& ctx, TfrmPassword* login);

    void ok(); // cmdOK

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void updateOk();
    void failed();

    platform::Context& ctx_;
    TfrmPassword* login_;
    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
};

} // namespace shell
