#include "cards/member_finder.h"

#include "members/member_pick.h"

namespace cards {

std::optional<qint64> findMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    return members::searchMemberNumber(ctx, parent, mode);
}

} // namespace cards
