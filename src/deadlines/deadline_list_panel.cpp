#include "deadlines/deadline_list_panel.h"

namespace deadlines {

reports::ListFace deadlineListFace(const QString& printTitle, bool withCount) {
    return {QStringLiteral("panContainer"),
            printTitle,
            withCount ? foundLine : nullptr,
            foundLine(0),
            true,
            core::EmptyKey::FindsNothing};
}

QString foundLine(qsizetype lines) {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(lines);
}

} // namespace deadlines
