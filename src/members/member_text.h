#pragma once

#include "members/member_record.h"

#include <QByteArrayView>
#include <QString>

namespace members {

// Lists and exports read many records and show a few fields of each: they take the text
// straight from the stored bytes, without a string per field.

// The stored bytes of a field as a load sees them: the length clamped to the capacity, blanks
// and control characters dropped at both ends.
QByteArrayView storedText(const char* record, MemberField f);

// Writes stored bytes (as storedText gives them) decoded at `out`, padded with blanks to
// `width` and cut to it (-1: the whole text), and returns the end. `out` must have the room.
QChar* writeStoredText(QChar* out, QByteArrayView stored, int width = -1);

// Appends the field's text, padded with blanks to `width` and cut to it (-1: the whole text).
void appendStoredText(QString& out, const char* record, MemberField f, int width = -1);

} // namespace members
