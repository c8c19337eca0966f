#pragma once

#include "platform/context.h"

#include <QString>
#include <QStringView>

class QWidget;

// Opening the check windows from a record window's buttons. Each takes the text of the caller's
// field as it stands (it is trimmed here), shows the right window modally over `opener` and
// writes nothing back.
namespace checks {

enum class CheckWindow { CodFisc, PartitaIva, Iban, Carta };

// A fiscal-code field holding digits only (and not empty) holds the 11-digit fiscal code of a
// company or association, which is checked as a VAT number.
CheckWindow codFiscTarget(QStringView trimmedCode);

// The fiscal-code buttons of the member, deadline, members'-book and movement windows.
void openCodFiscCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText);
// The VAT buttons.
void openPartitaIvaCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText);
void openIbanCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText);
void openCartaCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText);

// Shows the given window with `fieldText` (trimmed) in its field.
void openCheck(CheckWindow window, platform::Context& ctx, QWidget* opener,
               const QString& fieldText);

} // namespace checks
