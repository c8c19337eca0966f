#pragma once

#include "members/member_record.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace members {

// The two line forms of the member lists. The line text is the only link between a list entry
// and its record, so the pick rebuilds the same line for every record.
enum class LineForm {
    Search, // member search and renewal list
    Picker  // members'-book picker
};

// The line of a raw record (kMemberRecordLength bytes), built from the few fields it shows.
QString memberLine(LineForm form, const char* record);

// The ten filters of the member search, in the order of their fields.
inline constexpr std::array<MemberField, 10> kFilterFields = {
    Tesserato,  Carica,    NumTessera, DataRil, DataScade,
    ComuneNasc, ComuneRes, CodFisc,    Titoli,  Note};
using MemberFilters = std::array<QString, 10>; // as typed

// C: how many filters are in use (not empty once trimmed).
int filtersInUse(const MemberFilters& filters);

// A list as read from the archive: its lines sorted once, and whether the whole file was read.
struct MemberList {
    QStringList lines;
    bool ok = true;
};

// Active members (cancelled flag exactly "No") in which every filter in use occurs, case folded
// on A-Z only. `ok` false on an archive failure (the caller shows the access message).
MemberList searchMembers(const QString& folder, const MemberFilters& filters);

// Every member with a name, cancelled ones included; a failure keeps what was read so far.
MemberList pickerMembers(const QString& folder);

// Whether a member is due for renewal on `today`: active, and expiry minus the notice days not
// later than today. Unreadable when the member is active but its expiry or notice days cannot be
// read. The renewal list and the renewal of the members due share this rule.
enum class Renewal { Due, NotDue, Unreadable };
Renewal renewalState(const char* record, const QDate& today);

// Active members due for renewal on `today`: expiry minus the notice days not later than
// today. A record whose expiry or notice days cannot be read ends the listing there.
MemberList renewalMembers(const QString& folder, const QDate& today);

// The record a picked line stands for: the last record in file order whose line, trimmed,
// equals `line` trimmed. `ok` false when reading failed (the match so far is still given).
struct PickedRecord {
    std::optional<qint64> number;
    bool ok = true;
};
PickedRecord recordOfLine(const QString& folder, LineForm form, const QString& line);

// The records of every line of a list, in the list's order, each found as recordOfLine finds
// it, in one pass over the archive. Nothing when reading failed or a line matches no record.
std::optional<std::vector<qint64>> recordsOfLines(const QString& folder, LineForm form,
                                                  const QStringList& lines);

QString countLine(qsizetype lines); // "Il presente riepilogo contiene N schede."

} // namespace members
