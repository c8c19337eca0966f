#include "cashbook/movement_sheet.h"

#include "cashbook/movement_record.h"
#include "core/dates.h"

namespace cashbook {

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

reports::FontSpec arial(double size) {
    reports::FontSpec f;
    f.family = QStringLiteral("Arial");
    f.pointSize = size;
    f.colour = Qt::black;
    return f;
}

struct Row {
    const char16_t* label;
    const char16_t* value;
    int field; // -1: the type word
};
const Row kRows[] = {
    {u"Tipo movimento:", u"txtTipo", -1},
    {u"Data operazione:", u"txtData", Data},
    {u"Causale:", u"txtCausale", Causale},
    {u"Promemoria:", u"txtPromemoria", Promemoria},
    {u"Data scadenza:", u"txtDataSca", DataSca},
    {u"Giorni preavviso:", u"txtPreavviso", Preavviso},
    {u"Importo in euro:", u"txtImporto", Importo},
    {u"Pagatore:", u"txtPagatore", Pagatore},
    {u"Recapito:", u"txtRecapitoPag", RecapitoPag},
    {u"Codice fiscale:", u"txtCodFisc", CodFisc},
    {u"Partita IVA:", u"txtPartitaIva", PartitaIva},
    {u"Tessera n.", u"txtCategoria", Categoria},
    {u"E-mail:", u"txtEmail", Email},
    {u"Modalit\u00e0 pagamento:", u"txtPagamento", Pagamento},
    {u"Beneficiario:", u"txtBeneficiario", Beneficiario},
    {u"Recapito:", u"txtRecapitoBen", RecapitoBen},
    {u"CRO / Ricevuta n.", u"txtRicevuta", Ricevuta},
    {u"Tariffa applicata:", u"txtTariffa", Tariffa},
    {u"Note:", u"txtNote", Note},
    {u"Saldato:", u"txtSaldato", Saldato},
};
constexpr int kRowCount = int(std::size(kRows));

} // namespace

const QStringList& movementSheetValueNames() {
    static const QStringList names = [] {
        QStringList n;
        for (const Row& r : kRows)
            n << QString::fromUtf16(r.value);
        return n;
    }();
    return names;
}

reports::Template movementSheetTemplate() {
    using namespace reports;
    Template t;
    t.name = QStringLiteral("repSchedaMovimento");
    t.title = QStringLiteral("Scheda Movimento");
    t.page = PageSetup{210, 297, QPageLayout::Portrait, 10, 10, 10, 10};

    Band page{QStringLiteral("Page1"), BandKind::Page, 277, {}};
    page.objects.push_back(rectangle(QStringLiteral("Shape1"), {1, 1, 188, 5.8}, kLightSteelBlue));
    page.objects.push_back(textBox(QStringLiteral("titArcataSup"), {2, 2, 185.8, 4.2},
                                   QStringLiteral("SCHEDA INFORMATIVA MOVIMENTO"), arial(9), {},
                                   HAlign::Centre));
    for (int i = 0; i < kRowCount; ++i) {
        const double top = 7 + 5 * i;
        page.objects.push_back(
            rectangle(QStringLiteral("Shape%1").arg(i + 2), {1, top, 188, 4.6}, {}));
    }
    page.objects.push_back(line(QStringLiteral("Line2"), {42, 7, 0, 99.6}));
    for (int i = 0; i < kRowCount; ++i) {
        const double top = 7.5 + 5 * i;
        page.objects.push_back(
            textBox(QStringLiteral("titRiga%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                    {2, top, 37.8, 3.5}, QString::fromUtf16(kRows[i].label), arial(7)));
        page.objects.push_back(
            textBox(QString::fromUtf16(kRows[i].value), {44, top, 144, 3.5}, {}, arial(7)));
    }
    page.objects.push_back(rectangle(QStringLiteral("Shape23"), {1, 109, 188, 5.8}, kGold));
    page.objects.push_back(textBox(QStringLiteral("txtCalce"), {2, 110, 185.8, 4.2},
                                   QStringLiteral("Data e ora stampa"), arial(8), {},
                                   HAlign::Centre));
    t.bands = {page};
    return t;
}

reports::Report movementSheet(const QStringList& values, const QDateTime& now) {
    reports::Report report(movementSheetTemplate());
    report.setOrientation(QPageLayout::Portrait);
    for (const Row& r : kRows) {
        const QString name = QString::fromUtf16(r.value);
        if (r.field < 0)
            report.setText(name, values.value(Entrata) == kYes ? QStringLiteral("Entrata")
                                                               : QStringLiteral("Uscita"));
        else if (r.field == Saldato)
            report.setText(name, values.value(Saldato) == kYes ? kYes : kNo);
        else
            report.setText(name, values.value(r.field));
    }
    report.setText(QStringLiteral("txtCalce"), QStringLiteral("Stampa eseguita in data ") +
                                                   core::formatDate(now.date()) +
                                                   QStringLiteral(" alle ore ") +
                                                   now.time().toString(QStringLiteral("hh:mm:ss")));
    report.prepare(now.date());
    return report;
}

} // namespace cashbook
