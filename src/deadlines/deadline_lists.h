#pragma once

#include "core/archive.h"
#include "core/list_rows.h"
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
// beneficiary padded or cut to their widths, then the amount.
QString summaryLine(const QString& dettagli, const QString& data, const QString& ora,
                    const QString& pagatore, const QString& beneficiario, const QString& costo);

// Which records a list window keeps.
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
// Every criterion in use occurs in its field (core::FieldFilter).
RecordTest criteriaTest(const DeadlineCriteria& criteria);

// The summary lines of the records that pass `keep`, sorted once with the list order, each with
// its record.
core::ListRows listLines(const core::Archive& archive, const RecordTest& keep);

// The grid of the deadline lists: column 0 the running number (reading order), 1..19 the
// fields, 20 the chronological key (not in the whole-year grid). Cells are the stored bytes; a
// grid read from several files has no records. Not read to the end: the rows so far, unsorted.
inline constexpr int kGridKeyColumn = 20;
// The deadlines imminent on `today`, from the current year's file and the existing files of
// the following years within reach of a notice; sorted by year, then key.
core::ListRows imminentRows(const QString& folder, const QDate& today);
// The deadlines of `day` (its year's file), sorted by key.
core::ListRows dayRows(const QString& folder, const QDate& day);
// The deadlines of the month of `day` by their month name and year fields, sorted by key.
core::ListRows monthRows(const QString& folder, const QDate& day);
// Every record of the opened year in file order, without the key column, as stored bytes.
core::ListRows yearRows(const core::Archive& archive);

} // namespace deadlines
