#include "cashbook/movement_save.h"

#include "core/dates.h"
#include "core/text.h"

namespace cashbook {

using platform::MsgKind;
using platform::Problem;

QString signedTotal(bool income, const QString& amount) {
    return (income ? u'+' : u'-') + core::trimText(amount);
}

namespace {

QString missing(const QString& what) {
    return u"Attenzione: per salvare la scheda \u00e8 necessario indicare "_qs + what + u'.';
}

QString noSuchDate(const QString& date) {
    return u"Attenzione: la data "_qs + date +
           u" non esiste.\n\r\n\rPer poter salvare la scheda \u00e8 necessario indicare una data "
           u"valida nel formato gg/mm/aaaa."_qs;
}

} // namespace

platform::Check saveProblem(const QStringList& values, const QDate& today) {
    const auto text = [&](MovementField f) { return core::trimText(values.value(f)); };
    if (text(Causale).isEmpty())
        return Problem{MsgKind::Warning, missing(u"la causale del pagamento"_qs), u"txtCausale"_qs};
    if (text(Data).isEmpty())
        return Problem{MsgKind::Warning, missing(u"la data di registrazione dell'operazione"_qs),
                       u"txtData"_qs};
    if (!core::isValidDate(text(Data), today))
        return Problem{MsgKind::Plain, noSuchDate(text(Data)), u"txtData"_qs};
    if (text(DataSca).isEmpty())
        return Problem{MsgKind::Warning, missing(u"la data di scadenza del pagamento"_qs),
                       u"txtDataSca"_qs};
    if (!core::isValidDate(text(DataSca), today))
        return Problem{MsgKind::Plain, noSuchDate(text(DataSca)), u"txtDataSca"_qs};
    if (text(Preavviso).isEmpty())
        return Problem{MsgKind::Warning,
                       missing(u"il numero di giorni di preavviso della scadenza del pagamento"_qs),
                       u"txtPreavviso"_qs};
    if (text(Pagatore).isEmpty())
        return Problem{MsgKind::Warning, missing(u"il nome del Pagatore"_qs), u"txtPagatore"_qs};
    if (text(Beneficiario).isEmpty())
        return Problem{MsgKind::Warning, missing(u"il nome del Beneficiario"_qs),
                       u"txtBeneficiario"_qs};
    if (text(Entrata).isEmpty())
        return Problem{MsgKind::Warning,
                       missing(u"se il movimento \u00e8 un'entrata o un'uscita"_qs),
                       u"optEntrata"_qs};
    // A stored field is cut to its capacity: an amount that does not fit would be summed as a
    // different value, so it is refused instead.
    if (text(Importo).size() > kMaxAmountLength)
        return Problem{MsgKind::Warning,
                       u"Attenzione: l'importo "_qs + text(Importo) +
                           u" \u00e8 troppo grande per essere archiviato.\n\r\n\rPer poter salvare "
                           u"la scheda \u00e8 necessario indicare un importo non superiore a "
                           u"99999999999,99."_qs,
                       u"txtImporto"_qs};
    return std::nullopt;
}

std::optional<QString> otherYearQuestion(const QString& date, const QString& fileYear,
                                         const QDate& today) {
    const std::optional<QDate> day = core::parseDate(date, today);
    bool number = false;
    const int year = fileYear.toInt(&number);
    if (day && number && day->year() == year) return std::nullopt;
    return u"Attenzione: la data dell'operazione "_qs + core::trimText(date) +
           u" non appartiene all'anno "_qs + fileYear +
           u" dell'archivio aperto, per cui il movimento non sar\u00e0 compreso nel bilancio di "
           u"questo anno.\n\r\n\rSi vuole salvare la scheda comunque?"_qs;
}

QString emailMissingMessage() {
    return u"Attenzione: indicare l'indirizzo e-mail del tesserato."_qs;
}

} // namespace cashbook
