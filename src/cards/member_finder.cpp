#include "cards/member_finder.h"

namespace cards {

std::optional<qint64> findMember(platform::Context&, QWidget*, const QString&) {
    // The member search window is not part of the program yet.
    return std::nullopt;
}

} // namespace cards
