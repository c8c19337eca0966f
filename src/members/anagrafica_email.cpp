// The plain e-mail and the renewal notice of the member window.
#include "members/frm_anagrafica.h"
#include "members/member_email.h"

namespace members {

void TfrmAnagrafica::email() {
    const QString address = text(Email);
    if (address.isEmpty()) {
        platform::showProblem(ctx_, this,
                              platform::Problem{platform::MsgKind::Warning, kEmailAddressMissing,
                                                QStringLiteral("txtEmail")});
        return;
    }
    context().platform.shellOpen(plainMailCommand(address));
}

void TfrmAnagrafica::renewalEmail() {
    const QStringList fields = values();
    if (platform::showProblem(ctx_, this, renewalNoticeProblem(fields))) return;
    context().platform.shellOpen(renewalMailCommand(fields));
}

} // namespace members
