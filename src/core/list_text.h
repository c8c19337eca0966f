#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace core {

// The order of every sorted list: character codes compared one by one, with only a..z
// counting as A..Z (accented letters keep their own codes); a prefix comes first.
int compareListText(QStringView a, QStringView b);
inline bool listTextLess(const QString& a, const QString& b) {
    return compareListText(a, b) < 0;
}

// Sorts once; entries equal under the order keep the order they were added in.
void sortListLines(QStringList& lines);

// True when `keyLower` (already lower-cased with lowerAscii) occurs in `text` lower-cased the
// same way. An empty key occurs everywhere.
bool containsFolded(QStringView text, QStringView keyLower);

// Find in list ("Trova"), shared by every list window. `lastKey` is the window's last find key
// and is updated. Returns the entry to select: the first match searching from the top for a
// new key, or from the entry after `selected` for a repeated key, wrapping round once; with no
// match, `selected` (the first entry when none was selected). -1 only for an empty list.
int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastKey);

QString emptyListFindMessage(); // shown instead when the list has no entries

} // namespace core
