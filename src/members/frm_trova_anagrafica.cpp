#include "members/frm_trova_anagrafica.h"

#include "members/member_lists.h"

namespace members {

namespace {

// In the order of kFilterFields and of the Enter chain.
std::vector<reports::FilterField> filterFields() {
    const std::pair<const char16_t*, const char16_t*> places[] = {
        {u"txtTesserato", u"Cognome e nome Socio:"},
        {u"txtCarica", u"Carica ricoperta:"},
        {u"txtNumTessera", u"Tessera n."},
        {u"txtDataRil", u"Data di rilascio:"},
        {u"txtDataScade", u"Data di scadenza:"},
        {u"txtComuneNasc", u"Comune di nascita:"},
        {u"txtComuneRes", u"Comune di residenza:"},
        {u"txtCodFisc", u"Codice Fiscale:"},
        {u"txtTitoli", u"Quota associativa: \u20ac"},
        {u"txtNote", u"Note:"},
    };
    static_assert(std::size(places) == kFilterFields.size());
    std::vector<reports::FilterField> out;
    for (size_t i = 0; i < kFilterFields.size(); ++i)
        out.push_back(
            {places[i].first, places[i].second, memberLayout().capacity(kFilterFields[i])});
    return out;
}

} // namespace

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent,
                                         const QString& mode)
    : SearchDialog(ctx, parent,
                   {u"TfrmTrovaAnagrafica"_qs,
                    u" Trova Soci in archivio"_qs,
                    u"panFiltri"_qs,
                    true,
                    {u"panElenco"_qs, u"Riepilogo anagrafica Soci"_qs, countLine}},
                   filterFields(), mode) {}

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
