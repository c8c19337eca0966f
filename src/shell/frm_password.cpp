#include "shell/frm_password.h"

#include "core/text.h"
#include "platform/buttons.h"
#include "platform/look.h"
#include "platform/ui.h"
#include "shell/password_rules.h"
#include "shell/password_store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace shell {

TfrmPassword::TfrmPassword(platform::Context& ctx)
    : PasswordWindow(ctx, QStringLiteral("TfrmPassword"),
                     QStringLiteral(" Quorvix 5.0 - Autenticazione"), {460, 240}) {
    platform::look::brandBand(this, {0, 0, 150, 240});
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QIcon(QStringLiteral(":/art/logo.svg")).pixmap(104, 104));
    logo->setAlignment(Qt::AlignCenter);
    logo->setGeometry(15, 42, 120, 110);
    auto* product = new QLabel(QStringLiteral("Quorvix 5.0"), this);
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(QStringLiteral("color: white; font-size: 13pt; font-weight: bold;"));
    product->setGeometry(0, 162, 150, 26);

    auto* caption = platform::makeLabel(this, QStringLiteral("Immetti la password e premi OK."));
    caption->setStyleSheet(QStringLiteral("color: #0b2454; font-weight: bold;"));
    caption->setGeometry(176, 34, 262, 22);

    txtPassword_ = addPasswordField(QStringLiteral("txtPassword"), {176, 64, 262, 30});
    addButtons({176, 112, 126, 32}, QStringLiteral("Esci"), {312, 112, 126, 32});

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #d3dbe6;"));
    rule->setGeometry(176, 162, 262, 2);

    auto* btnCambia = platform::makeButton(this, QStringLiteral("btnCambiaPassword"),
                                           QStringLiteral("Cambia password"), {176, 180, 262, 32});
    platform::look::makeSecondary(btnCambia);
    connect(btnCambia, &QPushButton::clicked, this, &TfrmPassword::changePassword);
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtPassword_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ok();
            return true;
        }
    }
    return PasswordWindow::eventFilter(watched, e);
}

void TfrmPassword::ok() {
    // Enter on blanks does nothing, as the disabled "OK".
    if (core::trimText(txtPassword_->text()).isEmpty()) return;
    if (refuse(
            loginProblem(readStoredPassword(ctx_.path(kPasswordStoreFile)), txtPassword_->text())))
        return;
    ctx_.windows.switchTo(QStringLiteral("TfrmAvvio"), this);
}

void TfrmPassword::changePassword() {
    ctx_.windows.switchTo(QStringLiteral("TfrmCambiaPassword"), this);
}

void TfrmPassword::reset() {
    clearAll();
    show();
    activateWindow();
    txtPassword_->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* e) {
    e->accept();
    QApplication::quit();
}

} // namespace shell
