#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>
#include <span>
#include <vector>

namespace core {

// The order of every sorted list: character codes compared one by one, with only a..z
// counting as A..Z (accented letters keep their own codes); a prefix comes first.
int compareListText(QStringView a, QStringView b);
inline bool listTextLess(const QString& a, const QString& b) {
    return compareListText(a, b) < 0;
}

// Sorts once; entries equal under the order keep the order they were added in.
void sortListLines(QStringList& lines);

// Sorting many texts by the list order without comparing whole texts at every step: each
// entry carries sixteen characters of its text packed as folded bytes (0 past the end; 0xFF for
// a character a byte cannot hold, after which the texts themselves decide). Entries left tied
// are packed again further on, level by level, reading the texts in the order they were added.
struct SortEntry {
    std::array<quint64, 2> key;
    qsizetype index; // order added
};
class SortTexts {
public:
    virtual ~SortTexts() = default;
    virtual std::array<quint64, 2> key(qsizetype index, qsizetype from) const = 0;
    virtual qsizetype length(qsizetype index) const = 0;
    // The list order of two texts from character `from` on (those before are equal).
    virtual int compare(qsizetype a, qsizetype b, qsizetype from) const = 0;
};
// Sorts entries whose keys were packed from character 0; equal texts keep the order added.
void sortEntries(std::span<SortEntry> entries, const SortTexts& texts);

// Lines collected one by one and sorted once, as sortListLines does. Each line's sort key is
// taken as it is added, while its text is still in the processor's cache.
class SortedLines {
public:
    void reserve(qsizetype n);
    void append(QString line);
    void append(QString line, qint64 record); // with the record it stands for
    qsizetype size() const { return qsizetype(lines_.size()); }
    QStringList take(); // the lines in list order; the collector is left empty
    // The same, with the record of each line (as appended) in `records`.
    QStringList take(std::vector<qint64>& records);

private:
    void sort();
    QStringList collect();
    std::vector<QString> lines_;
    std::vector<qint64> records_;
    std::vector<SortEntry> entries_;
};

// True when `keyLower` (already lower-cased with lowerAscii) occurs in `text` lower-cased the
// same way. An empty key occurs everywhere.
bool containsFolded(QStringView text, QStringView keyLower);
// The same over single-byte text (a stored field and a key in the file's code page).
bool containsFolded(QByteArrayView text, QByteArrayView keyLower);

// Whether an empty find key occurs in every entry, or (the cash book's and the deadline
// lists' rule) finds nothing.
enum class EmptyKey { FindsEvery, FindsNothing };

// Find in list ("Trova"), shared by every list window. `lastKey` is the window's last find key
// and is updated. Returns the entry to select: the first match searching from the top for a
// new key, or from the entry after `selected` for a repeated key, wrapping round once; with no
// match, `selected` (the first entry when none was selected). -1 only for an empty list.
int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastKey,
               EmptyKey emptyKey = EmptyKey::FindsEvery);
// The same over `count` lines made one by one as the search reaches them.
int findInList(int count, const std::function<QString(int)>& lineAt, int selected,
               const QString& typed, QString& lastKey, EmptyKey emptyKey = EmptyKey::FindsEvery);

QString emptyListFindMessage(); // shown instead when the list has no entries

} // namespace core
