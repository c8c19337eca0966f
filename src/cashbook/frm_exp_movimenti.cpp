#include "cashbook/frm_exp_movimenti.h"

#include "cashbook/movement_record.h"
#include "core/win1252.h"
#include "platform/help.h"

namespace cashbook {

namespace {

struct Column {
    const char16_t* heading;
    int width;
    MovementField field;
    core::CellType type = core::CellType::Text; // in the .xlsx
};

using enum core::CellType;

// Column 1 shows the type word instead of the field (see below).
const Column kColumns[] = {
    {u"Tipo movimento", 150, Entrata},
    {u"Data operazione", 180, Data, Date},
    {u"Causale", 300, Causale},
    {u"Promemoria", 300, Promemoria},
    {u"Data scadenza", 180, DataSca, Date},
    {u"Giorni preavviso", 150, Preavviso},
    {u"Importo in euro", 150, Totale, Amount},
    {u"Pagatore", 250, Pagatore},
    {u"Recapito", 250, RecapitoPag, Code},
    {u"Codice fiscale", 200, CodFisc, Code},
    {u"Partita IVA", 180, PartitaIva, Code},
    {u"Tessera n.", 200, Categoria, Code},
    {u"E-mail", 250, Email},
    {u"Modalit\u00e0 pagamento", 250, Pagamento},
    {u"Beneficiario", 250, Beneficiario},
    {u"Recapito", 250, RecapitoBen, Code},
    {u"CRO o Ricevuta n.", 250, Ricevuta, Code},
    {u"Note", 300, Note},
    {u"Tariffa applicata", 250, Tariffa},
    {u"Saldato", 120, Saldato},
};

platform::ExportColumns columns() {
    platform::ExportColumns out;
    for (const Column& c : kColumns)
        out.add(QString::fromUtf16(c.heading), c.width, c.type);
    return out;
}

} // namespace

core::ListRows movementExportRows(const core::Archive& archive) {
    const QByteArray yes = core::toWin1252(kYes);
    return core::gridRows(archive, 1 + int(std::size(kColumns)),
                          [&yes](core::CellTable& cells, const char* rec) {
                              const core::RecordLayout& layout = movementLayout();
                              for (const Column& c : kColumns) {
                                  if (c.field == Entrata)
                                      cells.addCell(layout.bytes(rec, Entrata) == yes
                                                        ? QByteArrayView("Entrata")
                                                        : QByteArrayView("Uscita"));
                                  else
                                      cells.addCell(layout.bytes(rec, c.field));
                              }
                          });
}

TfrmExpMovimenti::TfrmExpMovimenti(platform::Context& ctx, QWidget* parent, const QString& yearFile)
    : ExportWindow(ctx, parent, u"TfrmExpMovimenti"_qs,
                   u" Esporta archivio movimenti in Microsoft Excel"_qs, columns(),
                   u"Movimenti.xls"_qs, u"Riepilogo annuale movimenti"_qs) {
    setHelp(platform::helpTopic(u"cashbook"_qs, u"esporta"_qs));
    showRows(movementExportRows(yearArchive(yearFile)));
}

} // namespace cashbook
