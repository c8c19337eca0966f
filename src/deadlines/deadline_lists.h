#pragma once

#include "core/archive.h"
#include "deadlines/deadline_record.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace deadlines {

// The line of a deadline in the summaries and the search: reason, date, time, payer and
// beneficiary padded or cut to their widths, then the amount. The line text is the only link
// between a list entry and its record, so a load rebuilds the same line for every record.
QString summaryLine(const QString& dettagli, const QString& data, const QString& ora,
                    const QString& pagatore, const QString& beneficiario, const QString& costo);
QString summaryLine(const char* record);

// Which records a list window keeps; the load applies the same test again.
using RecordTest = std::function<bool(const char* record)>;

// The three summaries: appointments to confirm, payments to make, payments made.
enum class Summary { ToConfirm, ToPay, Paid };
RecordTest summaryTest(Summary summary);

// The ten criteria of the search, in the order of their fields.
inline constexpr std::array<DeadlineField, 10> kSearchFields = {
    Data, Ora, Pagatore, CodFisc, NumTessera, Carica, Contatto, Beneficiario, Dettagli, Note};
using DeadlineCriteria = std::array<QString, 10>; // as typed
// The criteria in use: those not empty once trimmed.
int criteriaInUse(const DeadlineCriteria& criteria);
// Every criterion in use, lower-cased as typed (blanks kept), occurs in its field lower-cased.
RecordTest criteriaTest(const DeadlineCriteria& criteria);

// The lines of the records that pass `keep`, sorted once with the list order. `ok` false when
// the file could not be read to its end (the lines read so far are kept).
struct LineList {
    QStringList lines;
    bool ok = true;
};
LineList listLines(const core::Archive& archive, const RecordTest& keep);

// The record behind a list line: the last record in file order that passes `keep` and whose
// line, trimmed, equals `line` trimmed. `ok` false when reading failed (then nothing is given).
struct LineRecord {
    std::optional<qint64> number;
    bool ok = true;
};
LineRecord recordOfLine(const core::Archive& archive, const QString& line, const RecordTest& keep);

// The grid of the deadline lists: column 0 the running number (reading order), 1..19 the
// fields, 20 the chronological key (not in the whole-year grid).
inline constexpr int kGridKeyColumn = 20;
QStringList gridRow(qint64 runningNumber, const char* record, bool withKey);

// Rows of a grid; `ok` false when reading stopped early (the rows so far are kept, unsorted).
struct GridRows {
    std::vector<QStringList> rows;
    bool ok = true;
};
// The deadlines imminent on `today`, from the current year's file and the existing files of
// the following years within reach of a notice; sorted by year, then key.
GridRows imminentRows(const QString& folder, const QDate& today);
// The deadlines of `day` (its year's file), sorted by key.
GridRows dayRows(const QString& folder, const QDate& day);
// The deadlines of the month of `day` by their month name and year fields, sorted by key.
GridRows monthRows(const QString& folder, const QDate& day);
// Every record of the opened year in file order, without the key column.
GridRows yearRows(const core::Archive& archive);

} // namespace deadlines
