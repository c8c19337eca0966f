#include "members/member_lists.h"

#include "core/dates.h"
#include "core/list_text.h"
#include "core/record_file.h"
#include "core/text.h"
#include "members/member_text.h"

#include <QDir>

namespace members {

namespace {

inline QString load(const char* record, MemberField f) { return memberLayout().load(record, f); }

bool isActive(const char* record) { return storedText(record, Annullata) == QByteArrayView("No"); }

// Reads the member archive record by record (open-or-create, as every list does).
bool scanArchive(const QString& folder, const std::function<bool(qint64, const char*)>& visit) {
    core::RecordFile file(QDir(folder).filePath(kMemberFileName), kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read))
        return false;
    const bool ok = file.scan(visit);
    return file.close() && ok;
}

} // namespace

QString memberLine(LineForm form, const char* record) {
    QString line;
    line.reserve(160);
    appendStoredText(line, record, Tesserato, 30);
    if (form == LineForm::Search) {
        line += QLatin1String("  Tessera n. ");
        appendStoredText(line, record, NumTessera, 20);
        line += QLatin1String("  Scad. ");
        appendStoredText(line, record, DataScade, 10);
        line += QLatin1String("  Tel. ");
        appendStoredText(line, record, Recapito, 12);
        line += QLatin1String("  ");
    } else {
        line += QLatin1String("  C.F. ");
        appendStoredText(line, record, CodFisc, 16);
        line += QLatin1String("  Scad. ");
        appendStoredText(line, record, DataScade, 10);
        line += QLatin1String("  Tel. ");
        appendStoredText(line, record, Recapito, 15);
        line += QLatin1String(" Note: ");
    }
    appendStoredText(line, record, Note);
    return line;
}

int filtersInUse(const MemberFilters& filters) {
    int c = 0;
    for (const QString& f : filters)
        c += !core::trimText(f).isEmpty();
    return c;
}

MemberList searchMembers(const QString& folder, const MemberFilters& filters) {
    const int inUse = filtersInUse(filters);
    std::array<QString, kFilterFields.size()> keys;
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = core::lowerAscii(filters[i]); // as typed: not trimmed
    MemberList out;
    out.ok = scanArchive(folder, [&](qint64, const char* rec) {
        if (!isActive(rec))
            return true;
        int matched = 0;
        for (size_t i = 0; i < keys.size(); ++i)
            if (!keys[i].isEmpty() && core::containsFolded(load(rec, kFilterFields[i]), keys[i]))
                ++matched;
        if (matched >= inUse)
            out.lines.append(memberLine(LineForm::Search, rec));
        return true;
    });
    core::sortListLines(out.lines);
    return out;
}

MemberList pickerMembers(const QString& folder) {
    MemberList out;
    out.ok = scanArchive(folder, [&](qint64, const char* rec) {
        if (!storedText(rec, Tesserato).isEmpty())
            out.lines.append(memberLine(LineForm::Picker, rec));
        return true;
    });
    core::sortListLines(out.lines);
    return out;
}

MemberList renewalMembers(const QString& folder, const QDate& today) {
    MemberList out;
    out.ok = scanArchive(folder, [&](qint64, const char* rec) {
        const std::optional<QDate> expiry = core::parseDate(load(rec, DataScade), today);
        bool whole = false;
        const int notice = load(rec, Preavviso).toInt(&whole);
        if (!expiry || !whole)
            return false; // a record that cannot be read this way ends the list, silently
        if (expiry->addDays(-notice) <= today && isActive(rec))
            out.lines.append(memberLine(LineForm::Search, rec));
        return true;
    });
    core::sortListLines(out.lines);
    return out;
}

PickedRecord recordOfLine(const QString& folder, LineForm form, const QString& line) {
    const QString wanted = core::trimText(line);
    PickedRecord out;
    out.ok = scanArchive(folder, [&](qint64 n, const char* rec) {
        if (core::trimText(memberLine(form, rec)) == wanted)
            out.number = n;
        return true;
    });
    return out;
}

QString countLine(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace members
