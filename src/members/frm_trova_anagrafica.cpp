#include "members/frm_trova_anagrafica.h"

#include "members/member_archive.h"
#include "members/member_lists.h"
#include "platform/record_form.h"

#include "platform/buttons.h"

#include <QPushButton>

namespace members {

namespace {

// In the order of kFilterFields and of the Enter chain.
constexpr reports::FilterField kFilters[] = {
    {u"txtTesserato", u"Cognome e nome Socio:", Tesserato},
    {u"txtCarica", u"Carica ricoperta:", Carica},
    {u"txtNumTessera", u"Tessera n.", NumTessera},
    {u"txtDataRil", u"Data di rilascio:", DataRil},
    {u"txtDataScade", u"Data di scadenza:", DataScade},
    {u"txtComuneNasc", u"Comune di nascita:", ComuneNasc},
    {u"txtComuneRes", u"Comune di residenza:", ComuneRes},
    {u"txtCodFisc", u"Codice Fiscale:", CodFisc},
    {u"txtTitoli", u"Quota associativa: \u20ac", Titoli},
    {u"txtNote", u"Note:", Note},
};
static_assert(reports::filtersFollow(kFilters, kFilterFields));

} // namespace

void addPrintCardsButton(platform::Context& ctx, QWidget* window, reports::ListPanel* panel) {
    if (!ctx.actions.printCards) return;
    QPushButton* button =
        platform::makeButton(panel, u"btnStampaTessere"_qs, u"Stampa tessere"_qs,
                             {464, 520, 150, 30}, u":/art/menu_tessere.svg"_qs);
    button->setToolTip(u"Stampa le tessere dei Soci elencati, nove per foglio A4."_qs);
    panel->list()->allowSeveral(true);
    QObject::connect(button, &QPushButton::clicked, window, [&ctx, window, panel] {
        const platform::TextList* list = panel->list();
        if (list->count() == 0) {
            ctx.platform.message(window, platform::MsgKind::Information,
                                 u"Il riepilogo non contiene schede di cui stampare le tessere."_qs);
            return;
        }
        // The lines carry their records: two or more chosen lines print those, else the list.
        std::vector<qint64> records = list->chosenRecords();
        if (records.size() < 2) records = list->records();
        ctx.actions.printCards(window, records);
    });
}

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent,
                                         const QString& mode)
    : SearchDialog(ctx, parent,
                   {u"TfrmTrovaAnagrafica"_qs,
                    u" Trova Soci in archivio"_qs,
                    u"panFiltri"_qs,
                    true,
                    {u"panElenco"_qs, u"Riepilogo anagrafica Soci"_qs, countLine},
                    &memberLayout()},
                   kFilters, mode) {
    // Unticked: the search of active members only, as it always was.
    chkAnnullate_ = new QCheckBox(u"Includi tessere annullate"_qs, filterPanel());
    chkAnnullate_->setObjectName(u"chkAnnullate"_qs);
    chkAnnullate_->setGeometry(24, 392, 390, 22);
    addPrintCardsButton(ctx, this, panel_);
}

core::ListRows TfrmTrovaAnagrafica::find() {
    const auto filters = typedFilters<kFilterFields.size()>();
    setFiltersInUse(core::filtersInUse(filters));
    return searchMembers(ctx_.folder, filters, chkAnnullate_->isChecked());
}

void TfrmTrovaAnagrafica::pick(qint64 record) {
    // The member must still be readable whole; otherwise nothing is picked.
    if (!MemberArchive(ctx_.folder).read(record))
        return platform::showAccessMessage(ctx_, this, platform::MsgKind::Plain);
    picked_ = record;
    accept();
}

} // namespace members
