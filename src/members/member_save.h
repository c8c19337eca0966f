#pragma once

#include "members/member_record.h"
#include "platform/problem.h"

#include <QDate>
#include <QStringList>

namespace members {

// The member window's checks before a save, in order: the first problem found, or nothing.
// `values` are the 35 trimmed texts in record order.
platform::Check memberSaveProblem(const QStringList& values, const QDate& today);

} // namespace members
