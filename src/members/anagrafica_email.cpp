// The plain e-mail and the renewal notice of the member window.
#include "members/frm_anagrafica.h"
#include "members/member_email.h"

namespace members {

void TfrmAnagrafica::email() {
    const QString address = text(Email);
    if (address.isEmpty()) {
        warnAndFocus(platform::MsgKind::Warning, kEmailAddressMissing,
                     findChild<QWidget*>(QStringLiteral("txtEmail")));
        return;
    }
    context().platform.shellOpen(plainMailCommand(address));
}

void TfrmAnagrafica::renewalEmail() {
    const QStringList fields = values();
    if (const auto problem = renewalNoticeProblem(fields)) {
        warnAndFocus(platform::MsgKind::Warning, problem->message,
                     findChild<QWidget*>(problem->control));
        return;
    }
    context().platform.shellOpen(renewalMailCommand(fields));
}

} // namespace members
