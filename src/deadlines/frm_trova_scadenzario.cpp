#include "deadlines/frm_trova_scadenzario.h"

#include "deadlines/deadline_list_panel.h"
#include "platform/record_form.h"

namespace deadlines {

namespace {

// In the order of kSearchFields and of the Enter chain. Any text, no limit: a criterion longer
// than the field simply finds nothing.
constexpr reports::FilterField kCriteria[] = {
    {u"txtData", u"Data scadenza (gg/mm/aaaa):"},
    {u"txtOra", u"Ora appuntamento (HH:MM):"},
    {u"txtPagatore", u"Pagatore:"},
    {u"txtCodFisc", u"Codice fiscale:"},
    {u"txtNumTessera", u"Numero tessera:"},
    {u"txtCarica", u"Carica ricoperta:"},
    {u"txtContatto", u"Estremi ricevuta:"},
    {u"txtBeneficiario", u"Beneficiario:"},
    {u"txtDettagli", u"Causale scadenza:"},
    {u"txtNote", u"Note:"},
};
static_assert(std::size(kCriteria) == kSearchFields.size());

const QString kMode = QStringLiteral("Scadenzario");

} // namespace

TfrmTrovaScadenzario::TfrmTrovaScadenzario(platform::Context& ctx, QWidget* parent,
                                           core::Archive archive, const QString& mode)
    : SearchDialog(ctx, parent,
                   {QStringLiteral("TfrmTrovaScadenzario"),
                    QStringLiteral(" Trova scadenze pagamenti in archivio"),
                    QStringLiteral("panAvvio"), true,
                    deadlineListFace(QStringLiteral("Riepilogo scadenze pagamenti"), true)},
                   kCriteria, mode),
      archive_(std::move(archive)) {}

core::ListRows TfrmTrovaScadenzario::find() {
    const auto criteria = typedFilters<kSearchFields.size()>();
    setFiltersInUse(criteriaInUse(criteria));
    return listLines(archive_, criteriaTest(criteria));
}

void TfrmTrovaScadenzario::pick(qint64 record) {
    if (!archive_.read(record)) {
        platform::showAccessMessage(ctx_, this);
        return reject();
    }
    if (mode() == kMode) picked_ = record;
    picked_ ? accept() : reject();
}

} // namespace deadlines
