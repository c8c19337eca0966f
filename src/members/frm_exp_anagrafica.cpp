#include "members/frm_exp_anagrafica.h"

#include "members/member_record.h"
#include "members/member_text.h"
#include "platform/help.h"

namespace members {

namespace {

// Screen header, exported heading, width, and the fields a cell joins with one blank.
struct Column {
    const char16_t* header;
    const char16_t* heading;
    int width;
    std::initializer_list<MemberField> fields;
    core::CellType type = core::CellType::Text; // in the .xlsx
};

using enum core::CellType;

const Column kColumns[] = {
    {u"Cognome e nome Socio", u"Cognome e nome Socio", 250, {Tesserato}},
    {u"Carica ricoperta", u"Carica ricoperta", 250, {Carica}},
    {u"Tessera n.", u"Tessera n.", 250, {NumTessera}, Code},
    {u"Data di rilascio", u"Data di rilascio", 200, {DataRil}, Date},
    {u"Data di scadenza", u"Data di scadenza", 200, {DataScade}, Date},
    {u"Data di nascita", u"Data di nascita", 200, {DataNasc}, Date},
    {u"Comune di nascita", u"Comune di nascita", 250, {ComuneNasc, ProvNasc}},
    {u"Sesso", u"Sesso", 100, {Sesso}},
    {u"Comune di residenza", u"Comune di residenza", 250, {CapRes, ComuneRes, ProvRes}},
    {u"Via e numero civico", u"Via e numero civico", 300, {IndirizzoRes}},
    {u"Quota sociale", u"Quota sociale", 200, {Titoli}, Amount},
    {u"Tel. casa", u"Tel. casa", 200, {TelCasa}, Code},
    {u"Tel. ufficio", u"Tel. ufficio", 200, {TelUff}, Code},
    {u"Tel. cellulare", u"Tel. cellulare", 200, {TelCel}, Code},
    {u"Recapito preferenziale", u"Recapito preferenziale", 250, {Recapito}, Code},
    {u"Fax", u"Fax", 200, {Fax}, Code},
    {u"E-mail", u"E-mail", 250, {Email}},
    {u"Codice Fiscale", u"Codice fiscale", 250, {CodFisc}, Code},
    {u"Carta di credito n.", u"Carta di credito n.", 250, {Carta}, Code},
    {u"Scadenza", u"Scadenza", 200, {ScadeCarta}, Code},
    {u"Partita IVA", u"Partita IVA", 250, {PartitaIva}, Code},
    {u"IBAN", u"IBAN", 280, {Iban}, Code},
    {u"Intestatario C/C", u"Intestatario C/C", 250, {Intestatario}},
    {u"Note", u"Note", 350, {Note}},
    {u"Tessera annullata", u"Tessera annullata", 150, {Annullata}},
};

platform::ExportColumns columns() {
    platform::ExportColumns out;
    for (const Column& c : kColumns)
        out.add(QString::fromUtf16(c.header), c.width, QString::fromUtf16(c.heading), c.type);
    return out;
}

} // namespace

core::ListRows memberExportRows(const QString& folder) {
    // The cells take the stored bytes as they are: no text is decoded for the grid or the file.
    return core::gridRows(core::Archive(folder, kMemberFileName, memberLayout()),
                          1 + int(std::size(kColumns)), [](core::CellTable& cells, const char* rec) {
                              for (const Column& c : kColumns) {
                                  bool first = true;
                                  for (MemberField f : c.fields) {
                                      if (!first) cells.append(' ');
                                      cells.append(storedText(rec, f));
                                      first = false;
                                  }
                                  cells.endCell();
                              }
                          });
}

TfrmExpAnagrafica::TfrmExpAnagrafica(platform::Context& ctx, QWidget* parent)
    : ExportWindow(ctx, parent, u"TfrmExpAnagrafica"_qs,
                   u" Esporta archivio anagrafico dei Soci in Microsoft Excel"_qs, columns(),
                   u"Tesserati.xls"_qs, u"Riepilogo Anagrafica Soci"_qs) {
    setHelp(platform::helpTopic(u"members"_qs, u"esporta"_qs));
    showRows(memberExportRows(ctx.folder));
}

} // namespace members
