#include "book/page_generation.h"

#include "book/frm_registro_fields.h"
#include "core/dates.h"
#include "core/list_text.h"
#include "core/text.h"
#include "core/win1252.h"
#include "members/member_archive.h"
#include "members/member_pick.h"
#include "members/member_text.h"

#include <QSet>

#include <algorithm>

namespace book {

namespace {

// How the "Esito" column names a row's field.
const char* const kFieldCaption[RowFieldCount] = {
    "N. Ord.",       "cognome e nome",  "luogo di nascita", "data di nascita", "codice fiscale",
    "indirizzo",     "telefono",        "tessera n.",       "data ammissione", "quota sociale",
    "data di uscita", "motivo uscita", "annotazioni",
};

// A row's field for each control of the editor's import table ("txtSocio" -> Socio).
RowField takenField(const members::MemberTake& take) {
    const QString name = QLatin1String(take.control).mid(3) + rowSuffix(0);
    return RowField(pageLayout().indexOf(name) - rowField(0, Ordine));
}

// The thirteen texts of a row, as the page editor's member import fills them.
QStringList rowValues(const members::Member& m, qint64 number) {
    QStringList row(RowFieldCount);
    row[Ordine] = QString::number(number);
    for (const members::MemberTake& take : kRowMemberTakes)
        row[takenField(take)] = m[take.field];
    row[Indirizzo] = members::bookAddress(m);
    return row;
}

// Why a row cannot be stored as it is; empty when it can.
QString rowProblem(const QStringList& row) {
    for (int f = 0; f < RowFieldCount; ++f) {
        const QString value = core::trimText(row[f]);
        const QString caption = QString::fromUtf8(kFieldCaption[f]);
        if (core::firstOutsideWin1252(value) >= 0)
            return u"Non inserito: un carattere del campo "_qs + caption +
                   u" non può essere archiviato"_qs;
        const int capacity = kPageFields[rowField(0, RowField(f))].capacity;
        if (value.size() > capacity)
            return u"Non inserito: "_qs + caption + u" oltre "_qs + QString::number(capacity) +
                   u" caratteri"_qs;
    }
    return {};
}

// The member search's filters in use as the stored bytes they must occur in; a filter the code
// page cannot hold matches nothing.
struct StoredFilter {
    members::MemberField field;
    QByteArray key;
    bool possible;
};
std::vector<StoredFilter> storedFilters(const members::MemberFilters& filters) {
    std::vector<StoredFilter> out;
    for (size_t i = 0; i < filters.size(); ++i) {
        if (core::trimText(filters[i]).isEmpty()) continue;
        const QString key = core::lowerAscii(filters[i]);
        const QByteArray bytes = core::toWin1252(key);
        out.push_back({members::kFilterFields[i], bytes, core::fromWin1252(bytes) == key});
    }
    return out;
}

bool allDigits(const QString& s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

// Card numbers that are plain numbers compare by value, the rest as list text.
int compareCards(const QString& a, const QString& b) {
    if (allDigits(a) && allDigits(b)) {
        const auto significant = [](const QString& s) {
            qsizetype zeros = 0;
            while (zeros + 1 < s.size() && s[zeros] == u'0')
                ++zeros;
            return QStringView(s).mid(zeros);
        };
        const QStringView x = significant(a), y = significant(b);
        if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
        return x.compare(y);
    }
    return core::compareListText(a, b);
}

} // namespace

std::optional<qint64> nextRunningNumber(const QString& registerPath) {
    qint64 highest = 0;
    const core::RecordLayout& layout = pageLayout();
    const bool read = pageArchive(registerPath).scanExisting([&](qint64, const char* record) {
        for (int r = 0; r < kRows; ++r) {
            bool whole = false;
            const qint64 n = layout.load(record, rowField(r, Ordine)).toLongLong(&whole);
            if (whole) highest = std::max(highest, n);
        }
        return true;
    });
    if (!read) return std::nullopt;
    return highest + 1;
}

GenerationPlan planPages(const QString& folder, const QString& registerPath,
                         const GenerationRequest& request, const QDate& today) {
    GenerationPlan plan;
    // The card numbers the register holds already.
    QSet<QString> cards;
    const core::RecordLayout& pages = pageLayout();
    plan.ok = pageArchive(registerPath).scanExisting([&](qint64 n, const char* record) {
        plan.registerPages = n;
        for (int r = 0; r < kRows; ++r) {
            const QString card = pages.load(record, rowField(r, Tessera));
            if (!card.isEmpty()) cards.insert(card);
        }
        return true;
    });
    if (!plan.ok) return plan;

    const std::vector<StoredFilter> filters = storedFilters(request.filters);
    const core::RecordLayout& layout = members::memberLayout();
    std::vector<members::Member> chosen;
    plan.ok = members::MemberArchive(folder).archive().scan([&](qint64 n, const char* record) {
        if (members::storedText(record, members::Annullata) != QByteArrayView("No")) return true;
        switch (request.choice) {
        case MemberChoice::Active:
            break;
        case MemberChoice::IssuedBetween: {
            const auto issued = core::parseDate(layout.load(record, members::DataRil), today);
            if (!issued || *issued < request.from || *issued > request.to) return true;
            break;
        }
        case MemberChoice::Search:
            for (const StoredFilter& f : filters)
                if (!f.possible || !core::containsFolded(members::storedText(record, f.field), f.key))
                    return true;
            break;
        }
        chosen.push_back(members::Member{n, layout.loadAll(record)});
        return true;
    });
    if (!plan.ok) return plan;

    const auto before = [&request](const members::Member& a, const members::Member& b) {
        const int c = request.order == PageOrder::ByName
                          ? core::compareListText(a[members::Tesserato], b[members::Tesserato])
                          : compareCards(a[members::NumTessera], b[members::NumTessera]);
        return c != 0 ? c < 0 : a.number < b.number;
    };
    std::sort(chosen.begin(), chosen.end(), before);

    qint64 number = request.firstNumber;
    int placed = 0;
    plan.rows.reserve(chosen.size());
    for (const members::Member& m : chosen) {
        PlannedRow row;
        row.record = m.number;
        row.name = m[members::Tesserato];
        row.card = m[members::NumTessera];
        if (!row.card.isEmpty() && cards.contains(row.card)) {
            row.outcome = RowOutcome::InRegister;
            row.esito = u"Già nel Libro Soci"_qs;
            ++plan.inRegister;
        } else if (row.name.isEmpty()) {
            row.outcome = RowOutcome::Refused;
            row.esito = u"Non inserito: manca il cognome e nome"_qs;
            ++plan.refused;
        } else {
            QStringList values = rowValues(m, number);
            const QString problem = rowProblem(values);
            if (!problem.isEmpty()) {
                row.outcome = RowOutcome::Refused;
                row.esito = problem;
                ++plan.refused;
            } else {
                row.outcome = RowOutcome::Added;
                row.esito = u"Da inserire"_qs;
                row.page = placed / kRows + 1;
                row.row = placed % kRows;
                row.number = number++;
                row.values = std::move(values);
                ++placed;
                ++plan.added;
                // A card number twice in the choice goes in once.
                if (!row.card.isEmpty()) cards.insert(row.card);
            }
        }
        plan.rows.push_back(std::move(row));
    }
    plan.pageCount = (placed + kRows - 1) / kRows;
    return plan;
}

std::vector<PageValues> plannedPages(const GenerationPlan& plan, const PageValues& heading) {
    std::vector<PageValues> out(size_t(plan.pageCount), emptyPage());
    for (PageValues& page : out)
        for (int f = 0; f < HeadingFieldCount; ++f)
            page[f] = heading.value(f);
    for (const PlannedRow& row : plan.rows) {
        if (row.outcome != RowOutcome::Added) continue;
        PageValues& page = out[size_t(row.page - 1)];
        for (int f = 0; f < RowFieldCount; ++f)
            page[rowField(row.row, RowField(f))] = row.values[f];
    }
    return out;
}

GenerationResult generatePages(const QString& registerPath, const GenerationPlan& plan,
                               const PageValues& heading,
                               const std::function<void(qint64 done)>& progress) {
    const core::Archive archive = pageArchive(registerPath);
    const std::optional<qint64> count = archive.count();
    if (!count) return GenerationResult::Failed;
    // Running numbers and card numbers were taken from the register as it was.
    if (*count != plan.registerPages) return GenerationResult::RegisterChanged;
    const std::vector<PageValues> pages = plannedPages(plan, heading);
    if (!archive.appendAll(pages, progress)) return GenerationResult::Failed;
    return GenerationResult::Written;
}

} // namespace book
