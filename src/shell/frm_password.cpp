#include "shell/frm_password.h"

#include "core/scramble.h"
#include "core/text.h"
#include "platform/ui.h"
#include "shell/password_store.h"
#include "shell/shell_style.h"

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
    setFixedSize(460, 240);
    style::useShellFont(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf8, 0xfa, 0xfd));
    setPalette(pal);
    setAutoFillBackground(true);

    style::brandBand(this, {0, 0, 150, 240});
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

    txtPassword_ = platform::makeEdit(this, QStringLiteral("txtPassword"), 0);
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid #aab4c2; border-radius: 3px; padding: 0 6px; background: white; }"
        "QLineEdit:focus { border-color: #1f4e99; }"));
    txtPassword_->setGeometry(176, 64, 262, 30);
    platform::addHighlight(txtPassword_);
    txtPassword_->installEventFilter(this);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(176, 112, 126, 32);
    cmdOK_->setEnabled(false);
    style::makePrimary(cmdOK_);

    auto* cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(312, 112, 126, 32);
    style::makeSecondary(cmdEsci);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #d3dbe6;"));
    rule->setGeometry(176, 162, 262, 2);

    auto* btnCambia = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambia->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambia->setGeometry(176, 180, 262, 32);
    style::makeSecondary(btnCambia);

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
