#include "deadlines/frm_exp_scadenze.h"

#include "platform/help.h"
#include "platform/record_form.h"

namespace deadlines {

namespace {

using Kind = DeadlineGrid::Kind;

// Grid columns 1..20: screen heading and width, exported heading and width. The month list
// shows two columns differently on screen; every export reads the same.
struct Column {
    const char16_t* header;
    int width;
    const char16_t* heading;
    int exportWidth;
    core::CellType type = core::CellType::Text; // in the .xlsx
};

using enum core::CellType;
const Column kColumns[] = {
    {u"Data scadenza", 150, u"Data scadenza", 150, Date},
    {u"Ora appuntamento", 150, u"Ora appuntamento", 150},
    {u"Pagatore", 250, u"Pagatore", 250},
    {u"Codice fiscale", 180, u"Codice fiscale", 200, Code},
    {u"Numero tessera", 200, u"Numero tessera", 200, Code},
    {u"Carica ricoperta", 250, u"Carica ricoperta", 250},
    {u"Tel. cellulare", 200, u"Tel. cellulare", 200, Code},
    {u"Recapito preferenziale", 200, u"Recapito preferenziale", 200, Code},
    {u"Anticipo", 200, u"Anticipo", 200, Amount},
    {u"Importo complessivo dovuto", 200, u"Importo complessivo dovuto", 200, Amount},
    {u"Rateazione", 250, u"Rateazione", 250},
    {u"Beneficiario", 250, u"Beneficiario", 250},
    {u"Causale scadenza", 300, u"Causale scadenza", 300},
    {u"Modalit\u00e0 di pagamento", 300, u"Modalit\u00e0 di pagamento", 300},
    {u"Importo in euro", 200, u"Importo in euro", 200, Amount},
    {u"Estremi ricevuta", 250, u"Estremi ricevuta", 250, Code},
    {u"Appuntamento da confermare", 200, u"Appuntamento da confermare", 250},
    {u"Pagamento effettuato", 200, u"Pagamento effettuato", 250},
    {u"Note", 300, u"Note", 300},
    {u"Codice univoco", 150, u"Codice univoco", 150, Code},
};
static_assert(std::size(kColumns) == kGridKeyColumn);

int columnCount(Kind kind) {
    return kind == Kind::Year ? kGridKeyColumn - 1 : kGridKeyColumn;
}

std::vector<platform::GridColumn> gridColumns(Kind kind) {
    std::vector<platform::GridColumn> out{{QStringLiteral("N."), 60}};
    for (int i = 0; i < columnCount(kind); ++i)
        out.push_back({QString::fromUtf16(kColumns[i].header), kColumns[i].width});
    if (kind == Kind::Month) {
        out[5].header = QStringLiteral("Tessera n.");
        out[7].width = 180;
    }
    return out;
}

struct Sheet {
    const char16_t* className;
    const char16_t* caption;
    const char16_t* fileName;
    const char16_t* sheetName;
};
const Sheet kSheets[] = {
    {u"TfrmExpImminenti", u" Scadenze imminenti", u"Scadenze_Imminenti.xls", u"Scadenze imminenti"},
    {u"TfrmExpGiornaliere", u" Scadenze del giorno", u"Scadenze_Giornaliere.xls",
     u"Scadenze del giorno"},
    {u"TfrmExpMensili", u" Scadenze del mese", u"Scadenze_Mensili.xls", u"Scadenze del mese"},
    {u"TfrmExpScadenzario", u" Esporta archivio Scadenzario pagamenti",
     u"Scadenzario_Pagamenti.xls", u"Scadenzario Pagamenti"},
};

const Sheet& sheetOf(Kind kind) {
    return kSheets[int(kind)];
}

platform::ExportSheet exportSheet(Kind kind) {
    const Sheet& s = sheetOf(kind);
    platform::ExportSheet sheet{
        QString::fromUtf16(s.fileName), QString::fromUtf16(s.sheetName), {}};
    for (int i = 0; i < columnCount(kind); ++i)
        sheet.columns.push_back(
            {QString::fromUtf16(kColumns[i].heading), kColumns[i].exportWidth, kColumns[i].type});
    return sheet;
}

platform::HelpTopic helpOf(Kind kind) {
    return platform::helpTopic(u"deadlines"_qs,
                               kind == Kind::Year ? u"esporta_anno"_qs : u"esporta_scadenze"_qs);
}

} // namespace

DeadlineGrid::DeadlineGrid(platform::Context& ctx, QWidget* parent, Kind kind, core::ListRows rows)
    : ExportWindow(ctx, parent, QString::fromUtf16(sheetOf(kind).className),
                   QString::fromUtf16(sheetOf(kind).caption), gridColumns(kind),
                   exportSheet(kind)) {
    setHelp(helpOf(kind));
    showRows(std::move(rows));
}

TfrmExpImminenti::TfrmExpImminenti(platform::Context& ctx, QWidget* parent)
    : DeadlineGrid(ctx, parent, Kind::Imminent, imminentRows(ctx.folder, ctx.platform.today())) {}

TfrmExpGiornaliere::TfrmExpGiornaliere(platform::Context& ctx, QWidget* parent, const QDate& day)
    : DeadlineGrid(ctx, parent, Kind::Day, dayRows(ctx.folder, day)) {}

TfrmExpMensili::TfrmExpMensili(platform::Context& ctx, QWidget* parent, const QDate& day)
    : DeadlineGrid(ctx, parent, Kind::Month, monthRows(ctx.folder, day)) {}

TfrmExpScadenzario::TfrmExpScadenzario(platform::Context& ctx, QWidget* parent,
                                       const core::Archive& archive)
    : DeadlineGrid(ctx, parent, Kind::Year, yearRows(archive)) {}

} // namespace deadlines
