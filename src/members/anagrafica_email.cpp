// The plain e-mail and the renewal notice of the member window.
#include "members/frm_anagrafica.h"
#include "members/member_email.h"
#include "platform/shell_open.h"

namespace members {

void TfrmAnagrafica::email() {
    const QString address = text(Email);
    if (address.isEmpty()) {
        platform::showProblem(ctx_, this,
                              platform::Problem{platform::MsgKind::Warning, kEmailAddressMissing,
                                                QStringLiteral("txtEmail")});
        return;
    }
    if (!context().platform.shellOpen(plainMailCommand(address)))
        ctx_.platform.message(this, platform::MsgKind::Error, platform::mailRefusedMessage());
}

void TfrmAnagrafica::renewalEmail() {
    const QStringList fields = values();
    if (platform::showProblem(ctx_, this, renewalNoticeProblem(fields))) return;
    if (!context().platform.shellOpen(renewalMailCommand(fields)))
        ctx_.platform.message(this, platform::MsgKind::Error, platform::mailRefusedMessage());
}

} // namespace members
