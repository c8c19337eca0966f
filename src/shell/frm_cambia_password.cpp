#include "shell/frm_cambia_password.h"

#include "core/scramble.h"
#include "core/text.h"
#include "platform/ui.h"
#include "shell/frm_password.h"
#include "shell/password_store.h"
#include "shell/shell_style.h"

#include <QCloseEvent>
#include <QScreen>

namespace shell {

using platform::MsgKind;

QString passwordTooLongMessage();

TfrmCambiaPassword::TfrmCambiaPassword(platform::Context& ctx, TfrmPassword* login)
    : ctx_(ctx), login_(login) {
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(300, 250);
    style::useShellFont(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf8, 0xfa, 0xfd));
    setPalette(pal);
    setAutoFillBackground(true);

    auto field = [this](const QString& name, const QString& caption, int y) {
        platform::makeLabel(this, caption)->setGeometry(30, y, 240, 18);
        auto* e = platform::makeEdit(this, name, 0);
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral(
            "QLineEdit { border: 1px solid #aab4c2; border-radius: 3px; padding: 0 6px; background: white; }"
            "QLineEdit:focus { border-color: #1f4e99; }"));
        e->setGeometry(30, y + 20, 240, 26);
        platform::addHighlight(e);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
        return e;
    };
    txtPasswordOld_ = field(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"), 16);
    txtPasswordNew_ = field(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"), 70);
    txtConferma_ = field(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"), 124);
    platform::chainEnter({txtPasswordOld_, txtPasswordNew_, txtConferma_}, true);

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(30, 198, 115, 30);
    cmdOK_->setEnabled(false);
    style::makePrimary(cmdOK_);
    auto* cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(155, 198, 115, 30);
    style::makeSecondary(cmdEsci);

    lblMemory_ = new QLabel(this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();

    connect(cmdOK_, &QPushButton::clicked, this, &TfrmCambiaPassword::ok);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::updateOk() {
    cmdOK_->setEnabled(!core::trimText(txtPasswordOld_->text()).isEmpty() &&
                       !core::trimText(txtPasswordNew_->text()).isEmpty() &&
                       !core::trimText(txtConferma_->text()).isEmpty());
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyRelease)
        updateOk();
    return QWidget::eventFilter(watched, e);
}

void TfrmCambiaPassword::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    txtPasswordOld_->clear();
    txtPasswordNew_->clear();
    txtConferma_->clear();
    lblMemory_->clear();
    txtPasswordOld_->setFocus();
}

void TfrmCambiaPassword::failed() {
    ctx_.platform.message(this, MsgKind::Plain,
                          QStringLiteral("Attenzione: si è verificato un errore durante la "
                                         "procedura di modifica della password. Si consiglia di "
                                         "reinstallare il software."));
}

void TfrmCambiaPassword::ok() {
    const QString store = ctx_.path(kPasswordStoreFile);
    const auto stored = readStoredPassword(store);
    if (!stored) {
        failed();
        return;
    }
    if (*stored != normalisePassword(txtPasswordOld_->text())) {
        ctx_.platform.message(this, MsgKind::Plain,
                              QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld_->clear();
        txtPasswordOld_->setFocus();
        return;
    }
    if (core::trimText(txtPasswordNew_->text()) != core::trimText(txtConferma_->text())) {
        ctx_.platform.message(
            this, MsgKind::Plain,
            QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                           "E' necessario reinserire entrambi i valori."));
        txtPasswordNew_->clear();
        txtConferma_->clear();
        txtPasswordNew_->setFocus();
        return;
    }
    const QString fresh = normalisePassword(txtPasswordNew_->text());
    if (fresh.size() > core::kMaxScrambleLength) {
        ctx_.platform.message(this, MsgKind::Warning, passwordTooLongMessage());
        txtPasswordNew_->clear();
        txtConferma_->clear();
        txtPasswordNew_->setFocus();
        return;
    }
    if (!writeStoredPassword(store, fresh)) {
        failed();
        return;
    }
    ctx_.platform.message(this, MsgKind::Plain,
                          QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* e) {
    e->accept();
    hide();
    if (login_)
        login_->reset();
}

} // namespace shell
