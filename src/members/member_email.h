#pragma once

#include "members/member_record.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace members {

// The plain e-mail (envelope beside the e-mail field) and the renewal notice. `values`
// are the 35 trimmed field texts of the member window, in record order. The commands are
// shell-open texts: the link between double quotes; the desktop seam percent-encodes it.

inline const QString kEmailAddressMissing =
    QStringLiteral("Attenzione: indicare l'indirizzo e-mail del tesserato.");

// A field the renewal notice needs but finds empty: the warning and where the focus goes.
struct NoticeProblem {
    MemberField field;
    QString control; // "txtNumTessera"
    QString message;
};

// The first empty field among name, card number, issue date, expiry date and address.
std::optional<NoticeProblem> renewalNoticeProblem(const QStringList& values);

QString plainMailCommand(const QString& address);

inline const QString kRenewalSubject = QStringLiteral("Rinnovo tessera");
QString renewalNoticeBody(const QStringList& values);
QString renewalMailCommand(const QStringList& values);

} // namespace members
