#include "cashbook/frm_trova_movimenti.h"

#include "platform/record_form.h"

namespace cashbook {

namespace {

// In the order of kSearchFields and of the Enter chain.
constexpr reports::FilterField kFilters[] = {
    {u"txtData", u"Data operazione (gg/mm/aaaa):", Data},
    {u"txtDataSca", u"Data scadenza (gg/mm/aaaa):", DataSca},
    {u"txtCausale", u"Causale:", Causale},
    {u"txtPromemoria", u"Promemoria:", Promemoria},
    {u"txtPagatore", u"Pagatore:", Pagatore},
    {u"txtCategoria", u"Tessera n.", Categoria},
    {u"txtBeneficiario", u"Beneficiario:", Beneficiario},
    {u"txtRicevuta", u"CRO / Ricevuta n.", Ricevuta},
    {u"txtTariffa", u"Tariffa applicata:", Tariffa},
    {u"txtNote", u"Note:", Note},
};
static_assert(reports::filtersFollow(kFilters, kSearchFields));

} // namespace

TfrmTrovaMovimenti::TfrmTrovaMovimenti(platform::Context& ctx, QWidget* parent,
                                       const QString& yearFile, const QString& mode)
    : SearchDialog(
          ctx, parent,
          {u"TfrmTrovaMovimenti"_qs,
           u" Trova movimenti in archivio"_qs,
           u"panAvvio"_qs,
           false,
           {u"panContainer"_qs, u"Riepilogo movimenti in archivio"_qs, countLine,
            u"Il presente elenco contiene 0 schede."_qs, false, core::EmptyKey::FindsNothing},
           &movementLayout()},
          kFilters, mode),
      archive_(yearArchive(yearFile)) {}

core::ListRows TfrmTrovaMovimenti::find() {
    return searchMovements(archive_, typedFilters<kSearchFields.size()>());
}

void TfrmTrovaMovimenti::pick(qint64 record) {
    // Only the movement window's own mode loads; the movement is read whole, or nothing is
    // picked.
    if (mode() != u"movimenti"_qs) return reject();
    const std::optional<QStringList> values = archive_.read(record);
    if (!values) return platform::showAccessMessage(ctx_, this, platform::MsgKind::Plain);
    chosen_ = Movement{record, *values};
    accept();
}

} // namespace cashbook
