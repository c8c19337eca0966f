#include "core/navigation.h"

#include "core/text.h"

namespace core {

namespace {
// The label holds a 1-based record number or nothing; anything else counts as nothing.
qint64 labelNumber(const QString& label) {
    bool ok = false;
    const qint64 n = trimText(label).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}
NavStep read(qint64 n) { return {NavStep::Kind::Read, n, false}; }
} // namespace

NavStep navigate(NavCommand command, const QString& positionLabel, qint64 count) {
    const qint64 p = labelNumber(positionLabel);
    using K = NavStep::Kind;
    switch (command) {
    case NavCommand::First:
        return count == 0 ? NavStep{K::Empty} : read(1);
    case NavCommand::Last:
        return count == 0 ? NavStep{K::Empty} : read(count);
    case NavCommand::Next:
        if (count == 0)
            return {K::Empty, 0, true};
        return p >= count ? NavStep{K::Nothing} : read(p + 1);
    case NavCommand::Previous:
        if (p == 1)
            return {K::Nothing};
        if (count == 0)
            return {K::Empty};
        // A label past the end (the file shrank behind our back) goes to the last record.
        return p >= 2 ? read(std::min(p - 1, count)) : read(1);
    }
    return {K::Nothing};
}

QString emptyArchiveMessage() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }

} // namespace core
