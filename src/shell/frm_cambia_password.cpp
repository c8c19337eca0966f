#include "shell/frm_cambia_password.h"

#include "platform/ui.h"
#include "shell/frm_password.h"
#include "shell/password_rules.h"
#include "shell/password_store.h"

#include <QCloseEvent>

namespace shell {

TfrmCambiaPassword::TfrmCambiaPassword(platform::Context& ctx, TfrmPassword* login)
    : PasswordWindow(ctx, QStringLiteral("TfrmCambiaPassword"), QStringLiteral(" Cambia password"),
                     {300, 250}),
      login_(login) {
    auto field = [this](const QString& name, const QString& caption, int y) {
        platform::makeLabel(this, caption)->setGeometry(30, y, 240, 18);
        return addPasswordField(name, {30, y + 20, 240, 26});
    };
    txtPasswordOld_ =
        field(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"), 16);
    txtPasswordNew_ =
        field(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"), 70);
    txtConferma_ =
        field(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"), 124);
    platform::chainEnter({txtPasswordOld_, txtPasswordNew_, txtConferma_}, true);
    addButtons({30, 198, 115, 30}, QStringLiteral("Chiudi"), {155, 198, 115, 30});
}

void TfrmCambiaPassword::showEvent(QShowEvent* e) {
    clearAll();
    PasswordWindow::showEvent(e);
}

void TfrmCambiaPassword::ok() {
    const QString store = ctx_.path(kPasswordStoreFile);
    const auto problem = passwordChangeProblem(
        readStoredPassword(store),
        {txtPasswordOld_->text(), txtPasswordNew_->text(), txtConferma_->text()});
    if (refuse(problem)) {
        // A new password is typed again together with its confirmation.
        if (problem->control == txtPasswordNew_->objectName()) txtConferma_->clear();
        return;
    }
    if (!writeStoredPassword(store, normalisePassword(txtPasswordNew_->text()))) {
        refuse(passwordChangeFailure());
        return;
    }
    ctx_.platform.message(this, platform::MsgKind::Plain,
                          QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* e) {
    e->accept();
    hide();
    if (login_) login_->reset();
}

} // namespace shell
