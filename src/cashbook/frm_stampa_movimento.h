#pragma once

#include "platform/print_prompt.h"

#include <QStringList>

#include <functional>

namespace cashbook {

// Reads the movement as it stands in the movement window (its 28 values).
using MovementSource = std::function<QStringList()>;

// " Stampa scheda corrente": prints the movement shown, unsaved edits included, on its sheet.
class TfrmStampaMovimento : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaMovimento(platform::Context& ctx, QWidget* parent, MovementSource movement);
};

} // namespace cashbook
