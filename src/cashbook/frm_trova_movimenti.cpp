#include "cashbook/frm_trova_movimenti.h"

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

std::optional<QStringList> TfrmTrovaMovimenti::find() {
    const MovementFilters filters = typedFilters<kSearchFields.size()>();
    MovementList found = searchMovements(archive_, filters);
    if (!found.ok) return std::nullopt;
    searched_ = filters;
    return std::move(found.lines);
}

void TfrmTrovaMovimenti::pick(const QString& line) {
    // Only the movement window's own mode loads; the movement must still pass the search that
    // listed it. Any failure closes the window without a message.
    if (mode() == u"movimenti"_qs)
        chosen_ = movementOfLine(archive_, line, MovementMatcher(searched_));
    chosen_ ? accept() : reject();
}

} // namespace cashbook
