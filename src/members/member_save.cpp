#include "members/member_save.h"

#include "core/dates.h"

namespace members {

using platform::MsgKind;
using platform::Problem;

platform::Check memberSaveProblem(const QStringList& values, const QDate& today) {
    const QString name = values.value(Tesserato), issued = values.value(DataRil),
                  expires = values.value(DataScade);
    const QString notValid =
        QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                       "data valida nel formato gg/mm/aaaa.");
    const QString required =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    if (name.isEmpty())
        return Problem{MsgKind::Warning, required + QStringLiteral("il nome del tesserato."),
                       QStringLiteral("txtTesserato")};
    if (issued.isEmpty())
        return Problem{MsgKind::Warning,
                       required + QStringLiteral("la data di rilascio del tesserino."),
                       QStringLiteral("txtDataRil")};
    if (expires.isEmpty())
        return Problem{MsgKind::Warning,
                       required + QStringLiteral("la data di scadenza del tesserino."),
                       QStringLiteral("txtDataScade")};
    if (!core::isValidDate(issued, today))
        return Problem{MsgKind::Plain,
                       QStringLiteral("Attenzione: la data di rilascio della tessera ") + issued +
                           notValid,
                       QStringLiteral("txtDataRil")};
    if (!core::isValidDate(expires, today))
        return Problem{MsgKind::Plain,
                       QStringLiteral("Attenzione: la data di scadenza della tessera ") + expires +
                           notValid,
                       QStringLiteral("txtDataScade")};
    if (core::compareDates(issued, expires, today).value_or(0) > 0)
        return Problem{
            MsgKind::Plain,
            QStringLiteral("Attenzione: la data di scadenza (") + expires +
                QStringLiteral(") non può essere anteriore a quella di rilascio della tessera (") +
                issued + QStringLiteral(")."),
            QStringLiteral("txtDataScade")};
    if (values.value(Preavviso).isEmpty())
        return Problem{MsgKind::Warning, required + QStringLiteral("i giorni di preavviso."),
                       QStringLiteral("txtPreavviso")};
    return std::nullopt;
}

} // namespace members
