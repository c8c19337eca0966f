#include "members/member_sheet.h"

#include "members/member_record.h"
#include "reports/templates.h"

namespace members {

namespace {

// Row k of the sheet: its title and how its value is made from the fields.
struct SheetRow {
    const char* title;
    MemberField field;
    MemberField second = MemberFieldCount; // joined after `separator` when set
    const char* separator = "";
    const char* prefix = "";
};

const SheetRow kRows[] = {
    {"Cognome e nome:", Tesserato},
    {"Carica ricoperta:", Carica},
    {"Tessera n.", NumTessera},
    {"Data rilascio:", DataRil},
    {"Data scadenza:", DataScade},
    {"Data di nascita:", DataNasc},
    {"Comune di nascita:", ComuneNasc, ProvNasc, " "},
    {"Comune di residenza:", ComuneRes, ProvRes, "  "},
    {"CAP:", CapRes},
    {"Via e numero civico:", IndirizzoRes},
    {"Quota sociale:", Titoli, MemberFieldCount, "", "\u20ac "},
    {"Tel. casa:", TelCasa},
    {"Tel. ufficio:", TelUff},
    {"Tel. cellulare:", TelCel},
    {"Recapito preferenziale:", Recapito},
    {"Fax:", Fax},
    {"E-mail:", Email},
    {"Codice Fiscale:", CodFisc},
    {"Carta di credito n.", Carta},
    {"Scadenza carta di credito:", ScadeCarta},
    {"Partita IVA:", PartitaIva},
    {"IBAN:", Iban},
    {"Intestatario C/C:", Intestatario},
    {"Note:", Note},
};
static_assert(std::size(kRows) == reports::kSheetRows);

} // namespace

QStringList memberSheetTitles() {
    QStringList out;
    for (const SheetRow& r : kRows)
        out << QString::fromUtf8(r.title);
    return out;
}

QStringList memberSheetValues(const QStringList& values) {
    QStringList out;
    for (const SheetRow& r : kRows) {
        QString v = QString::fromUtf8(r.prefix) + values.value(r.field);
        if (r.second != MemberFieldCount)
            v += QString::fromUtf8(r.separator) + values.value(r.second);
        out << v;
    }
    return out;
}

QString memberSheetFooter(const QDateTime& now) {
    return QStringLiteral("Stampa eseguita in data ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}

reports::Report memberSheetReport(const QStringList& values, const QDateTime& now) {
    reports::Report report(reports::sheetTemplate());
    report.setOrientation(QPageLayout::Portrait);
    report.setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA ANAGRAFICA SOCIO"));
    const QStringList titles = memberSheetTitles();
    const QStringList rowValues = memberSheetValues(values);
    for (int k = 1; k <= reports::kSheetRows; ++k) {
        report.setText(reports::sheetTitleName(k), titles[k - 1]);
        report.setText(reports::sheetValueName(k), rowValues[k - 1]);
    }
    report.setText(QStringLiteral("txtCalce"), memberSheetFooter(now));
    report.prepare(now.date());
    return report;
}

} // namespace members
