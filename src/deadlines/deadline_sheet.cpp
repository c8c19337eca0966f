#include "deadlines/deadline_sheet.h"

#include "core/text.h"
#include "deadlines/deadline_record.h"
#include "reports/templates.h"

namespace deadlines {

namespace {

struct SheetRow {
    const char* title;
    DeadlineField field; // DeadlineFieldCount: composed below
};

const SheetRow kRows[] = {
    {"Data scadenza:", DeadlineFieldCount},
    {"Ora appuntamento:", DeadlineFieldCount},
    {"Giorni preavviso:", Avviso},
    {"Pagatore:", Pagatore},
    {"Codice fiscale:", CodFisc},
    {"Numero tessera:", NumTessera},
    {"Carica ricoperta:", Carica},
    {"Tel. cellulare:", TelCel},
    {"Recapito preferenziale:", Recapito},
    {"Anticipo:", Anticipi},
    {"Importo complessivo dovuto:", Complessivo},
    {"Rateazione:", Rateazione},
    {"Beneficiario:", Beneficiario},
    {"Causale scadenza:", Dettagli},
    {"Modalit\u00e0 di pagamento:", Officina},
    {"Importo in euro:", Costo},
    {"Estremi ricevuta:", Contatto},
    {"Note:", Note},
    {"Appuntamento da confermare:", DaConfermare},
    {"Pagamento effettuato:", Effettuata},
};
constexpr int kFilledRows = int(std::size(kRows));
static_assert(kFilledRows == 20);

const QString kBlank = QStringLiteral(" ");

} // namespace

QStringList deadlineSheetTitles() {
    QStringList out;
    for (const SheetRow& r : kRows)
        out << QString::fromUtf8(r.title);
    while (out.size() < reports::kSheetRows)
        out << kBlank;
    return out;
}

QStringList deadlineSheetValues(const QStringList& values) {
    const auto v = [&](DeadlineField f) { return core::trimText(values.value(f)); };
    QStringList out;
    out << core::trimText(v(Giorno) + u' ' + v(Mese) + u' ' + v(Anno));
    out << v(Ore) + u':' + v(Minuti);
    for (int i = 2; i < kFilledRows; ++i)
        out << v(kRows[i].field);
    // The check boxes print as the words they store.
    for (int row : {18, 19})
        if (out[row] != kYes) out[row] = kNo;
    while (out.size() < reports::kSheetRows)
        out << kBlank;
    return out;
}

QString deadlineSheetFooter(const QDateTime& now) {
    return QStringLiteral("Stampa eseguita in data ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ") +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}

reports::Report deadlineSheetReport(const QStringList& values, const QDateTime& now) {
    reports::Report report(reports::sheetTemplate());
    report.setOrientation(QPageLayout::Portrait);
    report.setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA SCADENZA PAGAMENTO"));
    const QStringList titles = deadlineSheetTitles();
    const QStringList rowValues = deadlineSheetValues(values);
    for (int k = 1; k <= reports::kSheetRows; ++k) {
        report.setText(reports::sheetTitleName(k), titles[k - 1]);
        report.setText(reports::sheetValueName(k), rowValues[k - 1]);
    }
    report.setText(QStringLiteral("txtCalce"), deadlineSheetFooter(now));
    report.prepare(now.date());
    return report;
}

} // namespace deadlines
