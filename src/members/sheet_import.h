#pragma once

#include "members/member_record.h"
#include "platform/problem.h"
#include "sheets/sheet_read.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace members {

using sheets::SheetRows;

// What the user is told about a picked file that cannot be read as a sheet (the limit it
// passes, the byte that is no text).
platform::Problem sheetProblem(const sheets::SheetFile& file);

// How a sheet column fills the member record.
enum class ColumnFill {
    Whole,   // the field as it is
    Surname, // joined with the given name into the member's name
    GivenName,
    TownAndProvince,         // "Roma RM", as the export writes the birth place
    PostcodeTownAndProvince, // "00100 Roma RM", as the export writes the residence
};

// One entry of the drop-down that says where a sheet column goes.
struct ImportField {
    const char16_t* label;
    MemberField field;
    ColumnFill fill;
};
// In drop-down order, after "(ignora)" (which a column index of -1 stands for).
std::span<const ImportField> importFields();
inline constexpr int kIgnoreColumn = -1;
QString ignoreLabel(); // "(ignora)"

// A member field as the import names it (the label of its own drop-down entry).
QString importFieldLabel(MemberField field);

// The entry a heading names, ignoring case, blanks, punctuation and accents: the export's own
// headings, the field names and the usual variants. kIgnoreColumn when none.
int matchHeading(const QString& heading);
// One entry per heading; a field that an earlier column already fills is not matched again.
std::vector<int> matchColumns(const QStringList& headings);

// The heading row: the first row of the sheet with any text. -1 when there is none.
int headingRow(const SheetRows& rows);

// Duplicate keys (name and card number) of the members in the archive, with the first
// record that has each. Nullopt when the archive cannot be read.
using MemberKeys = QHash<QString, qint64>;
QString memberKey(const QString& name, const QString& cardNumber);
std::optional<MemberKeys> archiveMemberKeys(const QString& folder);

// Every data row of the sheet, checked as the member window would before saving it.
struct ImportRow {
    int sheetRow = 0;   // 1-based, as the spreadsheet numbers it
    QStringList values; // the 35 values to store
    QString result;     // "OK" or the problem in words
    bool accepted() const;
};
struct ImportPlan {
    std::vector<ImportRow> rows; // blank rows are left out
    qsizetype accepted = 0;
};
inline const QString kImportOk = QStringLiteral("OK");

ImportPlan checkSheet(const SheetRows& rows, const std::vector<int>& columns,
                      const MemberKeys& existing, const QDate& today);

// Appends the accepted rows to Tesserati.pro in one step, all or none. The duplicate check is
// made again under the file's exclusive lock just before writing: a row whose member another
// copy of the program stored since the sheet was checked is left out and counted. Nullopt
// when the archive could not be read or written (nothing was written).
struct ImportOutcome {
    qint64 first = 0;             // the number of the first record appended
    qsizetype imported = 0;       // rows appended
    qsizetype foundMeanwhile = 0; // accepted rows found in the archive when writing
    MemberKeys keys;              // the archive's duplicate keys after the write
};
std::optional<ImportOutcome> importAccepted(const QString& folder, const ImportPlan& plan,
                                            const std::function<void(qint64 done)>& progress = {});

// The messages of the import step.
QString importQuestion(qsizetype accepted, qsizetype leftOut);
QString importDoneMessage(qsizetype imported, qsizetype leftOut, qsizetype foundMeanwhile = 0);
QString importFailedMessage();

} // namespace members
