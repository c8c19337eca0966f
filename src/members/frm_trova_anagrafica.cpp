#include "members/frm_trova_anagrafica.h"

#include "members/member_lists.h"

#include "core/record_file.h"
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
    QObject::connect(button, &QPushButton::clicked, window, [&ctx, window, panel] {
        const QStringList& lines = panel->list()->lines();
        if (lines.isEmpty()) {
            ctx.platform.message(window, platform::MsgKind::Information,
                                 u"Il riepilogo non contiene schede di cui stampare le tessere."_qs);
            return;
        }
        // Every card or none: a list that no longer matches the archive prints nothing.
        const auto records = recordsOfLines(ctx.folder, LineForm::Search, lines);
        if (!records) {
            ctx.platform.message(window, platform::MsgKind::Error, core::archiveAccessMessage());
            return;
        }
        ctx.actions.printCards(window, *records);
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
    addPrintCardsButton(ctx, this, panel_);
}

std::optional<QStringList> TfrmTrovaAnagrafica::find() {
    const auto filters = typedFilters<kFilterFields.size()>();
    setFiltersInUse(filtersInUse(filters));
    MemberList found = searchMembers(ctx_.folder, filters);
    if (!found.ok) return std::nullopt;
    return std::move(found.lines);
}

void TfrmTrovaAnagrafica::pick(const QString& line) {
    // A failure while reading closes silently; a match found before it is still handed over.
    picked_ = recordOfLine(ctx_.folder, LineForm::Search, line).number;
    picked_ ? accept() : reject();
}

} // namespace members
