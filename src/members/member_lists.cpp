#include "members/member_lists.h"

#include "core/dates.h"
#include "core/list_text.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/win1252.h"
#include "members/member_text.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace members {

namespace {

inline QString load(const char* record, MemberField f) {
    return memberLayout().load(record, f);
}

bool isActive(const char* record) {
    return storedText(record, Annullata) == QByteArrayView("No");
}

// Reads the member archive record by record (open-or-create, as every list does), with room
// in `lines` for a line per record.
bool scanArchive(const QString& folder, core::SortedLines* lines,
                 const std::function<bool(qint64, const char*)>& visit) {
    core::RecordFile file(QDir(folder).filePath(kMemberFileName), kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read)) return false;
    if (lines) lines->reserve(file.count());
    const bool ok = file.scan(visit);
    return file.close() && ok;
}

// A line is its fields, each after its fixed text, padded and cut to its width (-1: whole).
struct Piece {
    QStringView before;
    MemberField field;
    int width;
};
constexpr Piece kSearchLine[] = {{u"", Tesserato, 30},
                                 {u"  Tessera n. ", NumTessera, 20},
                                 {u"  Scad. ", DataScade, 10},
                                 {u"  Tel. ", Recapito, 12},
                                 {u"  ", Note, -1}};
constexpr Piece kPickerLine[] = {{u"", Tesserato, 30},
                                 {u"  C.F. ", CodFisc, 16},
                                 {u"  Scad. ", DataScade, 10},
                                 {u"  Tel. ", Recapito, 15},
                                 {u" Note: ", Note, -1}};
static_assert(std::size(kSearchLine) == 5 && std::size(kPickerLine) == 5);

// Builds the line into `line`, reusing its buffer: one allocation at most, none when the
// caller keeps the same string for every record.
void buildLine(QString& line, LineForm form, const char* record) {
    const std::span<const Piece> pieces =
        form == LineForm::Search ? std::span(kSearchLine) : std::span(kPickerLine);
    std::array<QByteArrayView, 5> stored;
    qsizetype length = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        stored[i] = storedText(record, p.field);
        length += p.before.size() + (p.width < 0 ? stored[i].size() : p.width);
    }
    // Exactly the length: a resize from empty would round the buffer up, nearly doubling the
    // memory of a list of 100,000 lines.
    if (line.capacity() < length)
        line = QString(length, Qt::Uninitialized);
    else
        line.resize(length);
    QChar* out = line.data();
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (QChar c : pieces[i].before) // a few characters: no call to copy them
            *out++ = c;
        out = writeStoredText(out, stored[i], pieces[i].width);
    }
}

// The filters in use, as the stored bytes they must occur in: lower-cased as typed, in the
// file's code page. A filter the code page cannot hold occurs in no stored text.
struct StoredFilter {
    MemberField field;
    QByteArray key;
    bool possible;
};
std::vector<StoredFilter> storedFilters(const MemberFilters& filters) {
    std::vector<StoredFilter> out;
    for (size_t i = 0; i < filters.size(); ++i) {
        if (core::trimText(filters[i]).isEmpty()) continue; // blanks only: not in use
        const QString key = core::lowerAscii(filters[i]);
        const QByteArray bytes = core::toWin1252(key);
        out.push_back({kFilterFields[i], bytes, core::fromWin1252(bytes) == key});
    }
    return out;
}

// Stored expiries are nearly always "dd/mm/yyyy": read those from the bytes, anything else
// as a typed date.
std::optional<QDate> storedDate(const char* record, MemberField f, const QDate& today) {
    const QByteArrayView b = storedText(record, f);
    const auto digit = [&b](int i) { return b[i] >= '0' && b[i] <= '9'; };
    if (b.size() == 10 && b[2] == '/' && b[5] == '/' && digit(0) && digit(1) && digit(3) &&
        digit(4) && digit(6) && digit(7) && digit(8) && digit(9)) {
        const auto num = [&b](int i, int n) {
            int v = 0;
            for (int k = i; k < i + n; ++k)
                v = v * 10 + (b[k] - '0');
            return v;
        };
        const QDate date(num(6, 4), num(3, 2), num(0, 2));
        if (date.year() < 1 || !date.isValid()) return std::nullopt;
        return date;
    }
    return core::parseDate(load(record, f), today);
}

// A whole number as QString::toInt reads it; plain digits straight from the bytes.
std::optional<int> storedNumber(const char* record, MemberField f) {
    const QByteArrayView b = storedText(record, f);
    if (!b.isEmpty() && b.size() <= 9 &&
        std::all_of(b.begin(), b.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int v = 0;
        for (char c : b)
            v = v * 10 + (c - '0');
        return v;
    }
    bool whole = false;
    const int v = load(record, f).toInt(&whole);
    return whole ? std::optional<int>(v) : std::nullopt;
}

} // namespace

QString memberLine(LineForm form, const char* record) {
    QString line;
    buildLine(line, form, record);
    return line;
}

int filtersInUse(const MemberFilters& filters) {
    int c = 0;
    for (const QString& f : filters)
        c += !core::trimText(f).isEmpty();
    return c;
}

MemberList searchMembers(const QString& folder, const MemberFilters& filters) {
    // Only the filters in use count, in C and in M alike: a filter of blanks would otherwise
    // match any field with a blank in it and let records through that fail the real filters.
    const std::vector<StoredFilter> inUse = storedFilters(filters);
    MemberList out;
    core::SortedLines lines;
    out.ok = scanArchive(folder, &lines, [&](qint64, const char* rec) {
        if (!isActive(rec)) return true;
        for (const StoredFilter& f : inUse)
            if (!f.possible || !core::containsFolded(storedText(rec, f.field), f.key)) return true;
        lines.append(memberLine(LineForm::Search, rec));
        return true;
    });
    out.lines = lines.take();
    return out;
}

MemberList pickerMembers(const QString& folder) {
    MemberList out;
    core::SortedLines lines;
    out.ok = scanArchive(folder, &lines, [&](qint64, const char* rec) {
        if (!storedText(rec, Tesserato).isEmpty()) lines.append(memberLine(LineForm::Picker, rec));
        return true;
    });
    out.lines = lines.take();
    return out;
}

Renewal renewalState(const char* record, const QDate& today) {
    if (!isActive(record)) return Renewal::NotDue;
    const std::optional<QDate> expiry = storedDate(record, DataScade, today);
    const std::optional<int> notice = storedNumber(record, Preavviso);
    if (!expiry || !notice) return Renewal::Unreadable;
    return expiry->addDays(-*notice) <= today ? Renewal::Due : Renewal::NotDue;
}

MemberList renewalMembers(const QString& folder, const QDate& today) {
    MemberList out;
    core::SortedLines lines;
    out.ok = scanArchive(folder, &lines, [&](qint64, const char* rec) {
        const Renewal state = renewalState(rec, today);
        if (state == Renewal::Unreadable)
            return false; // a record that cannot be read this way ends the list, silently
        if (state == Renewal::Due) lines.append(memberLine(LineForm::Search, rec));
        return true;
    });
    out.lines = lines.take();
    return out;
}

PickedRecord recordOfLine(const QString& folder, LineForm form, const QString& line) {
    const QStringView wanted = core::trimmedView(line);
    QString candidate; // one buffer for every record
    PickedRecord out;
    out.ok = scanArchive(folder, nullptr, [&](qint64 n, const char* rec) {
        buildLine(candidate, form, rec);
        if (core::trimmedView(candidate) == wanted) out.number = n;
        return true;
    });
    return out;
}

std::optional<std::vector<qint64>> recordsOfLines(const QString& folder, LineForm form,
                                                  const QStringList& lines) {
    QHash<QString, qint64> wanted;
    for (const QString& line : lines)
        wanted.insert(core::trimmedView(line).toString(), 0);
    QString candidate;
    const bool ok = scanArchive(folder, nullptr, [&](qint64 n, const char* rec) {
        buildLine(candidate, form, rec);
        const auto it = wanted.find(core::trimmedView(candidate).toString());
        if (it != wanted.end()) *it = n; // the last in file order, as a pick takes it
        return true;
    });
    if (!ok) return std::nullopt;
    std::vector<qint64> out;
    out.reserve(size_t(lines.size()));
    for (const QString& line : lines) {
        const qint64 n = wanted.value(core::trimmedView(line).toString());
        if (n == 0) return std::nullopt;
        out.push_back(n);
    }
    return out;
}

QString countLine(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace members
