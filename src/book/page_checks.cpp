#include "book/page_checks.h"

namespace book {

namespace {

struct Required {
    int field;
    const char* text;
};

const Required kRequired[] = {
    {Numero, "Attenzione: per salvare la scheda è necessario indicare il numero del Libro Soci."},
    {Denominazione, "Attenzione: per salvare la scheda è necessario indicare la denominazione "
                    "dell'Associazione."},
    {CodFisc, "Attenzione: per salvare la scheda è necessario indicare il codice fiscale "
              "dell'Associazione."},
    {rowField(0, Ordine), "Attenzione: per salvare la scheda è necessario indicare il numero "
                          "d'ordine nella prima riga."},
    {rowField(0, Socio), "Attenzione: per salvare la scheda è necessario indicare il nome del "
                         "socio nella prima riga."},
};

// How the too-long warning names a row's field.
const char* const kRowFieldCaption[RowFieldCount] = {
    "il numero d'ordine",    "il cognome e nome", "il luogo di nascita", "la data di nascita",
    "il codice fiscale",     "l'indirizzo",       "il telefono",         "il numero di tessera",
    "la data di ammissione", "la quota sociale",  "la data di uscita",   "il motivo dell'uscita",
    "le annotazioni",
};

QString tooLongMessage(int field) {
    const int capacity = kPageFields[field].capacity;
    QString what;
    if (field >= HeadingFieldCount && field < kFirstAttachment) {
        const int row = (field - HeadingFieldCount) / RowFieldCount;
        what = QString::fromUtf8(kRowFieldCaption[(field - HeadingFieldCount) % RowFieldCount]) +
               u" nella riga "_qs + rowLetter(row);
    } else {
        what = u"il campo "_qs + QLatin1String(kPageFields[field].name);
    }
    return u"Attenzione: per salvare la scheda è necessario che "_qs + what + u" non superi "_qs +
           QString::number(capacity) + u" caratteri."_qs;
}

} // namespace

platform::Check pageSaveProblem(const PageValues& page) {
    for (const Required& r : kRequired)
        if (page.value(r.field).isEmpty())
            return platform::Problem{platform::MsgKind::Warning, QString::fromUtf8(r.text),
                                     controlName(r.field)};
    for (int f = 0; f < kFirstAttachment; ++f)
        if (page.value(f).size() > kPageFields[f].capacity)
            return platform::Problem{platform::MsgKind::Warning, tooLongMessage(f), controlName(f)};
    return std::nullopt;
}

} // namespace book
