#pragma once

#include "members/member_record.h"
#include "platform/problem.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace members {

// The plain e-mail (envelope beside the e-mail field) and the renewal notice. `values`
// are the 35 trimmed field texts of the member window, in record order. The commands are
// shell-open texts: the link between double quotes; the desktop seam percent-encodes it.

inline const QString kEmailAddressMissing =
    QStringLiteral("Attenzione: indicare l'indirizzo e-mail del tesserato.");

// The first empty field among name, card number, issue date, expiry date and address: its
// warning, focusing that field.
platform::Check renewalNoticeProblem(const QStringList& values);

QString plainMailCommand(const QString& address);

inline const QString kRenewalSubject = QStringLiteral("Rinnovo tessera");
QString renewalNoticeBody(const QStringList& values);
QString renewalMailCommand(const QStringList& values);

} // namespace members
