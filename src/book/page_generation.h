#pragma once

#include "book/page_record.h"
#include "members/member_lists.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace book {

// Which active members go into the new pages.
enum class MemberChoice {
    Active,        // every active member
    IssuedBetween, // those whose issue date lies in [from, to]
    Search         // those the member search's filters would list
};
enum class PageOrder { ByName, ByCardNumber };

struct GenerationRequest {
    MemberChoice choice = MemberChoice::Active;
    QDate from, to;                 // IssuedBetween
    members::MemberFilters filters; // Search, as typed
    PageOrder order = PageOrder::ByName;
    qint64 firstNumber = 1;    // the first running number ("N. Ord.")
    PageValues heading;        // the book's heading on every new page (HeadingFieldCount texts)
};

enum class RowOutcome {
    Added,      // placed on a new page
    InRegister, // its card number is already in the register (or earlier in the choice)
    Refused     // a value would not fit its field of the page
};

// One chosen member and what becomes of it.
struct PlannedRow {
    qint64 record = 0;
    QString name, card;
    RowOutcome outcome = RowOutcome::Added;
    QString esito;     // what the preview grid shows
    int page = 0;      // 1-based among the new pages; 0 when left out
    int row = 0;       // 0..3 (A..D)
    qint64 number = 0; // running number given
    QStringList values; // the row's thirteen texts, in RowField order (Added only)
};

struct GenerationPlan {
    std::vector<PlannedRow> rows; // in the order chosen
    int pageCount = 0;
    int added = 0, inRegister = 0, refused = 0;
    qint64 registerPages = 0; // the register's length when planned
    // False when the member archive or the register could not be read whole.
    bool ok = true;
};

// The register's highest running number plus one (1 for an empty register); nothing when the
// register cannot be read.
std::optional<qint64> nextRunningNumber(const QString& registerPath);

// The pages a request would add: each chosen member in the order asked, four to a page, each
// row filled from the member as the page editor's member import fills it, its running number
// following on. Members whose card number is in the register are left out.
GenerationPlan planPages(const QString& folder, const QString& registerPath,
                         const GenerationRequest& request, const QDate& today);

// The new pages' records, in order.
std::vector<PageValues> plannedPages(const GenerationPlan& plan, const PageValues& heading);

enum class GenerationResult { Written, RegisterChanged, Failed };
// Appends the planned pages in one step: all of them or none. RegisterChanged (nothing written)
// when another page was saved since the plan was made. `progress` hears the pages written.
GenerationResult generatePages(const QString& registerPath, const GenerationPlan& plan,
                               const PageValues& heading,
                               const std::function<void(qint64 done)>& progress = {});

} // namespace book
