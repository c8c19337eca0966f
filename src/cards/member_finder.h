#pragma once

#include "platform/context.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace cards {

// Opens the member search in `mode` ("tessera", "tessere_01" ...) over `parent` and returns
// the record number the user picked, if any. The card windows hold one of these so that
// tests can stand in for the search.
using MemberFinder =
    std::function<std::optional<qint64>(platform::Context& ctx, QWidget* parent, const QString& mode)>;

std::optional<qint64> findMember(platform::Context& ctx, QWidget* parent, const QString& mode);

} // namespace cards
