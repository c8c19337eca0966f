#pragma once

#include "book/page_record.h"
#include "platform/print_prompt.h"

#include <functional>

namespace book {

// The page as the editor shows it when the button is pressed: its texts and its number (empty
// for a page not saved yet).
struct ShownPage {
    PageValues values;
    QString position;
};
using PageSource = std::function<ShownPage()>;

// " Stampa scheda": the page on A4 landscape through the print dialog.
class TfrmStampaRegistro : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaRegistro(platform::Context& ctx, QWidget* parent, PageSource page);
};

// " Anteprima di stampa": the same page in the preview.
class TfrmAnteprimaRegistro : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmAnteprimaRegistro(platform::Context& ctx, QWidget* parent, PageSource page);
};

} // namespace book
