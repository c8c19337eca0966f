#pragma once

#include "core/record_layout.h"
#include "members/member_record.h"

#include <QByteArrayView>
#include <QString>

namespace members {

// Lists and exports read many records and show a few fields of each: they take the text
// straight from the stored bytes (core::RecordLayout::bytes), without a string per field.
inline QByteArrayView storedText(const char* record, MemberField f) {
    return memberLayout().bytes(record, f);
}
inline void appendStoredText(QString& out, const char* record, MemberField f, int width = -1) {
    memberLayout().appendText(out, record, f, width);
}
using core::writeStoredText;

} // namespace members
