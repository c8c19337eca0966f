#include "deadlines/deadline_rules.h"

#include "core/dates.h"
#include "core/text.h"
#include "deadlines/deadline_record.h"

namespace deadlines {

using platform::MsgKind;
using platform::Problem;

std::optional<bool> isImminent(const QString& data, const QString& avviso, const QDate& today) {
    const std::optional<QDate> date = core::parseDate(data, today);
    bool ok = false;
    const int days = avviso.toInt(&ok, 10);
    if (!date || !ok) return std::nullopt;
    return date->addDays(-days) <= today && today <= *date;
}

std::optional<bool> isImminent(const char* record, const QDate& today) {
    // From the stored bytes: the alert and the imminent list ask this of every record.
    const core::RecordLayout& layout = deadlineLayout();
    const std::optional<QDate> date = core::parseStoredDate(layout.bytes(record, Data), today);
    const std::optional<int> days = core::parseStoredNumber(layout.bytes(record, Avviso));
    if (!date || !days) return std::nullopt;
    return date->addDays(-*days) <= today && today <= *date;
}

QString chronologicalKey(const QString& data, const QString& giorno, const QString& ore,
                         const QString& minuti) {
    return data.mid(3, 2) + giorno + ore + minuti;
}

QString chronologicalKey(const QStringList& values) {
    return chronologicalKey(values[Data], values[Giorno], values[Ore], values[Minuti]);
}

QString composeTime(const QString& ore, const QString& minuti) {
    return core::trimText(ore) + u':' + core::trimText(minuti);
}

QString composeDate(const QString& giorno, const QString& mese, const QString& anno) {
    const int month = monthNumber(core::trimText(mese));
    const QString digits =
        month ? QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) : QString();
    return core::trimText(giorno) + u'/' + digits + u'/' + core::trimText(anno);
}

namespace {

const QString kNeeded =
    QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");

Problem needed(const QString& what, const char* control) {
    return {MsgKind::Warning, kNeeded + what, QString::fromLatin1(control)};
}

} // namespace

SaveVerdict checkSave(const QStringList& values, const QDate& today) {
    const auto field = [&](DeadlineField f) { return core::trimText(values.value(f)); };
    const QString giorno = field(Giorno);
    const QString mese = field(Mese);
    const QString ore = field(Ore);
    const QString minuti = field(Minuti);
    SaveVerdict v;
    if (giorno.isEmpty())
        v.problem = needed(QStringLiteral("il giorno della scadenza."), "txtGiorno");
    else if (giorno.size() < 2)
        v.problem =
            needed(QStringLiteral("il giorno della scadenza usando due cifre."), "txtGiorno");
    else if (mese.isEmpty())
        v.problem = needed(QStringLiteral("il mese della scadenza."), "txtMese");
    else if (ore.isEmpty())
        v.problem = needed(QStringLiteral("l'ora dell'appuntamento."), "txtOreApp");
    else if (minuti.isEmpty())
        v.problem = needed(QStringLiteral("i minuti dell'ora dell'appuntamento."), "txtMinutiApp");
    else if (ore.size() < 2)
        v.problem =
            needed(QStringLiteral("l'ora dell'appuntamento usando due cifre."), "txtOreApp");
    else if (minuti.size() < 2)
        v.problem = needed(QStringLiteral("i minuti dell'ora dell'appuntamento usando due cifre."),
                           "txtMinutiApp");
    else if (field(Avviso).isEmpty())
        v.problem = needed(QStringLiteral("i giorni di preavviso."), "txtAvviso");
    else if (field(Pagatore).isEmpty())
        v.problem = needed(QStringLiteral("il nome del Pagatore."), "txtPagatore");
    else if (field(Beneficiario).isEmpty())
        v.problem = needed(QStringLiteral("il nome del Beneficiario."), "txtBeneficiario");
    else if (field(Dettagli).isEmpty())
        v.problem = needed(QStringLiteral("la causale della scadenza."), "txtDettagli");
    if (v.problem) return v;

    static const QString validDate = QStringLiteral(
        "\n\r\n\rPer poter salvare la scheda \u00e8 necessario indicare una data valida.");
    v.ora = composeTime(ore, minuti);
    if (monthNumber(mese) == 0) {
        v.problem = Problem{MsgKind::Warning,
                            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.") +
                                validDate,
                            QStringLiteral("txtMese")};
        return v;
    }
    v.data = composeDate(giorno, mese, field(Anno));
    if (!core::isValidDate(v.data, today)) {
        v.problem = Problem{MsgKind::Plain,
                            QStringLiteral("Attenzione: la data ") + v.data +
                                QStringLiteral(" non esiste.") + validDate,
                            QStringLiteral("txtGiorno")};
        return v;
    }
    // A longer amount would be cut by the 15-character field and change its value.
    if (field(Costo).size() > kDeadlineFields[Costo].capacity)
        v.problem = Problem{
            MsgKind::Warning,
            QStringLiteral(
                "Attenzione: l'importo indicato nel campo Importo in euro supera i 15 caratteri "
                "che l'archivio pu\u00f2 contenere.\n\r\n\rPer poter salvare la scheda \u00e8 "
                "necessario indicare un importo pi\u00f9 breve."),
            QStringLiteral("txtCosto")};
    return v;
}

platform::Check deadlineSaveProblem(const QStringList& values, const QDate& today) {
    return checkSave(values, today).problem;
}

} // namespace deadlines
