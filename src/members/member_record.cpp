#include "members/member_record.h"

namespace members {

const core::RecordLayout& memberLayout() {
    static const core::RecordLayout layout(kMemberFields);
    return layout;
}

QString photoFileName(qint64 number) { return QString::number(number) + QStringLiteral(".jpg"); }

} // namespace members
