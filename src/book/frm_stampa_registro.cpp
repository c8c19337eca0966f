#include "book/frm_stampa_registro.h"

#include "book/page_report.h"

namespace book {

namespace {

platform::PrintJobSource pageJob(platform::Context& ctx, PageSource page) {
    return [&ctx, page = std::move(page)] {
        const ShownPage shown = page();
        return platform::printJob(printedPage(shown.values, shown.position, ctx.platform.today()));
    };
}

} // namespace

TfrmStampaRegistro::TfrmStampaRegistro(platform::Context& ctx, QWidget* parent, PageSource page)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmStampaRegistro"),
                   .caption = QStringLiteral(" Stampa scheda"),
                   .mode = platform::PrintMode::Print,
                   .text = QStringLiteral("Stampa della pagina del Libro Soci su foglio A4 "
                                          "orizzontale.")},
                  pageJob(ctx, std::move(page))) {}

TfrmAnteprimaRegistro::TfrmAnteprimaRegistro(platform::Context& ctx, QWidget* parent,
                                             PageSource page)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmAnteprimaRegistro"),
                   .caption = QStringLiteral(" Anteprima di stampa"),
                   .mode = platform::PrintMode::Preview,
                   .text = QStringLiteral("Anteprima della pagina del Libro Soci su foglio A4 "
                                          "orizzontale.")},
                  pageJob(ctx, std::move(page))) {}

} // namespace book
