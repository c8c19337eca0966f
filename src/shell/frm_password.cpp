#include "shell/frm_password.h"

#include "core/scramble.h"
#include "core/text.h"
#include "platform/ui.h"
#include "shell/password_store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace shell {

using platform::MsgKind;

QString passwordTooLongMessage();

TfrmPassword::TfrmPassword(platform::Context& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Quorvix 5.0 - Autenticazione"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(380, 230);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QIcon(QStringLiteral(":/art/logo.svg")).pixmap(96, 96));
    logo->setGeometry(20, 24, 100, 100);

    auto* caption = platform::makeLabel(this, QStringLiteral("Immetti la password e premi OK."));
    caption->setGeometry(140, 40, 230, 20);

    txtPassword_ = platform::makeEdit(this, QStringLiteral("txtPassword"), 0);
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setGeometry(140, 72, 220, 24);
    platform::addHighlight(txtPassword_);
    txtPassword_->installEventFilter(this);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(140, 116, 105, 28);
    cmdOK_->setEnabled(false);

    auto* cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(255, 116, 105, 28);

    auto* btnCambia = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambia->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambia->setGeometry(140, 170, 220, 28);

    lblMemory_ = new QLabel(this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();

    connect(txtPassword_, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmPassword::ok);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCambia, &QPushButton::clicked, this, &TfrmPassword::changePassword);
}

void TfrmPassword::updateOk() { cmdOK_->setEnabled(!core::trimText(txtPassword_->text()).isEmpty()); }

bool TfrmPassword::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtPassword_) {
        if (e->type() == QEvent::KeyRelease)
            updateOk();
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!core::trimText(txtPassword_->text()).isEmpty())
                    ok();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TfrmPassword::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    txtPassword_->setFocus();
}

void TfrmPassword::ok() {
    const QString typed = normalisePassword(txtPassword_->text());
    if (typed.isEmpty())
        return;
    if (typed.size() > core::kMaxScrambleLength) {
        ctx_.platform.message(this, MsgKind::Warning, passwordTooLongMessage());
        txtPassword_->clear();
        txtPassword_->setFocus();
        return;
    }
    const auto stored = readStoredPassword(ctx_.path(kPasswordStoreFile));
    if (!stored) {
        ctx_.platform.message(this, MsgKind::Plain,
                              QStringLiteral("Attenzione: si è verificato un errore durante la "
                                             "procedura di lettura della password. Si consiglia "
                                             "di reinstallare il software."));
        return;
    }
    if (*stored == typed) {
        ctx_.windows.switchTo(QStringLiteral("TfrmAvvio"), this);
        return;
    }
    ctx_.platform.message(this, MsgKind::Plain, QStringLiteral("Attenzione: password errata."));
    txtPassword_->clear();
    txtPassword_->setFocus();
}

void TfrmPassword::changePassword() {
    ctx_.windows.switchTo(QStringLiteral("TfrmCambiaPassword"), this);
}

void TfrmPassword::reset() {
    txtPassword_->clear();
    lblMemory_->clear();
    show();
    activateWindow();
    txtPassword_->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* e) {
    e->accept();
    QApplication::quit();
}

QString passwordTooLongMessage() {
    return QStringLiteral("Attenzione: la password non può superare i 255 caratteri.");
}

} // namespace shell
