// The member window's attachments, webcam and full-screen photo commands.
#include "members/frm_anagrafica.h"
#include "members/frm_webcam.h"
#include "members/frm_zoom.h"
#include "platform/frm_allega_cartella.h"

namespace members {

void TfrmAnagrafica::attach() {
    platform::editAttachments(ctx_, this, QStringLiteral("anagrafica"));
}

void TfrmAnagrafica::webcam() {
    TfrmWebCam dialog(ctx_, this);
    if (ctx_.platform.runModal(dialog) == QDialog::Accepted) importPhoto(dialog.capturedPicture());
}

void TfrmAnagrafica::zoom() {
    TfrmZoom dialog(photo(), this);
    ctx_.platform.runModal(dialog);
}

} // namespace members
