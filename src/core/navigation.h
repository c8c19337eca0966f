#pragma once

#include <QString>

namespace core {

enum class NavCommand { First, Previous, Next, Last };

// What a record window does for first/previous/next/last, given its position label and the
// number of records. Shared by every record window and the card window.
struct NavStep {
    enum class Kind {
        Read,   // read `record` and show it
        Nothing, // at an end of the archive: no change, no message
        Empty   // the archive has no records: "L'archivio non contiene nessuna scheda."
    };
    Kind kind = Kind::Nothing;
    qint64 record = 0;
    bool clearLabel = false; // Next on an empty archive also empties the label
};

NavStep navigate(NavCommand command, const QString& positionLabel, qint64 count);

QString emptyArchiveMessage();

} // namespace core
