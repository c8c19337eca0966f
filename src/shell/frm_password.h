#pragma once

#include "platform/context.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace shell {

// The login window, first shown and the application's main window.
class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(platform::Context& ctx);

    void ok();           // cmdOK
    void changePassword(); // btnCambiaPassword
    // Back from the password-change window: empty field and mode label, focus the field.
    void reset();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void updateOk();

    platform::Context& ctx_;
    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QLabel* lblMemory_;
};

} // namespace shell
