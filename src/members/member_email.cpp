#include "members/member_email.h"

namespace members {

namespace {

struct NoticeCheck {
    MemberField field;
    const char* message;
};

const NoticeCheck kNoticeChecks[] = {
    {Tesserato,
     "Attenzione: per inviare l'avviso è necessario indicare cognome e nome del tesserato."},
    {NumTessera, "Attenzione: per inviare l'avviso è necessario indicare il numero della tessera."},
    {DataRil,
     "Attenzione: per inviare l'avviso è necessario indicare la data di rilascio del tesserino."},
    {DataScade,
     "Attenzione: per inviare l'avviso è necessario indicare la data di scadenza del tesserino."},
    {Email,
     "Attenzione: per inviare l'avviso è necessario indicare l'indirizzo e-mail del tesserato."},
};

} // namespace

platform::Check renewalNoticeProblem(const QStringList& values) {
    for (const NoticeCheck& c : kNoticeChecks)
        if (values.value(c.field).isEmpty())
            return platform::Problem{platform::MsgKind::Warning, QString::fromUtf8(c.message),
                                     QStringLiteral("txt") +
                                         QLatin1String(kMemberFields[c.field].name)};
    return std::nullopt;
}

QString plainMailCommand(const QString& address) {
    return QStringLiteral("\"mailto:") + address + QStringLiteral("\"");
}

QString renewalNoticeBody(const QStringList& values) {
    return QStringLiteral("Gentilissimo Sig. ") + values.value(Tesserato) +
           QStringLiteral(", con la presente le ricordiamo che la sua tessera n. ") +
           values.value(NumTessera) + QStringLiteral(", rilasciata in data ") +
           values.value(DataRil) + QStringLiteral(" e con scadenza in data ") +
           values.value(DataScade) +
           QStringLiteral(
               ", ha bisogno di essere rinnovata. Pertanto, la preghiamo di recarsi con cortese "
               "sollecitudine presso i nostri uffici per provvedere al rinnovo. In attesa di un "
               "suo riscontro, le porgiamo cordiali saluti.");
}

QString renewalMailCommand(const QStringList& values) {
    return QStringLiteral("\"mailto:") + values.value(Email) + QStringLiteral("?subject=") +
           kRenewalSubject + QStringLiteral("&body=") + renewalNoticeBody(values) +
           QStringLiteral("\"");
}

} // namespace members
