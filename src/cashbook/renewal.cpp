#include "cashbook/renewal.h"

#include "cashbook/movement_record.h"
#include "cashbook/movement_save.h"
#include "core/dates.h"
#include "core/multi_file_commit.h"
#include "core/record_file.h"
#include "core/text.h"
#include "members/member_lists.h"
#include "members/member_text.h"
#include "platform/input_rules.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <string>

namespace cashbook {

namespace {

using members::MemberField;

// Compared only within one run of the program, never stored. Four independent lanes of
// multiply and shift over the record's words: with Qt's hash, hashing took a fifth of listing
// the members due.
quint64 fingerprintOf(const char* record) {
    constexpr quint64 kMul = 0x9E3779B97F4A7C15ull;
    constexpr size_t kLength = size_t(members::kMemberRecordLength);
    quint64 lanes[4] = {1, 2, 3, 4};
    size_t at = 0;
    for (; at + 32 <= kLength; at += 32)
        for (size_t k = 0; k < 4; ++k) {
            quint64 word;
            std::memcpy(&word, record + at + 8 * k, 8);
            lanes[k] = (lanes[k] ^ word) * kMul;
            lanes[k] ^= lanes[k] >> 32;
        }
    for (; at < kLength; ++at)
        lanes[0] = (lanes[0] ^ quint8(record[at])) * kMul;
    quint64 h = kLength;
    for (quint64 lane : lanes) {
        h = (h ^ lane) * kMul;
        h ^= h >> 29;
    }
    return h;
}

QString text(const char* record, MemberField f) {
    return members::memberLayout().load(record, f);
}

// The name as QString::compare(Qt::CaseInsensitive) sees it: unit by unit, a low surrogate
// after a high one standing for the whole character.
std::u32string foldedName(QStringView name) {
    std::u32string out;
    out.reserve(size_t(name.size()));
    char16_t last = 0;
    for (QChar c : name) {
        char32_t unit = c.unicode();
        if (c.isLowSurrogate() && QChar::isHighSurrogate(last))
            unit = QChar::surrogateToUcs4(last, c.unicode());
        last = c.unicode();
        out.push_back(QChar::toCaseFolded(unit));
    }
    return out;
}

} // namespace

RenewalRows renewalRows(const QString& folder, const QDate& today) {
    RenewalRows out;
    core::RecordFile file(QDir(folder).filePath(members::kMemberFileName),
                          members::kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read)) {
        out.ok = false;
        return out;
    }
    out.rows.reserve(size_t(file.count() / 4));
    out.ok = file.scan([&](qint64 n, const char* rec) {
        switch (members::renewalState(rec, today)) {
        case members::Renewal::NotDue:
            return true;
        case members::Renewal::Unreadable:
            ++out.unreadable;
            return true;
        case members::Renewal::Due:
            break;
        }
        RenewalRow row;
        row.record = n;
        row.fingerprint = fingerprintOf(rec);
        row.name = text(rec, members::Tesserato);
        row.card = text(rec, members::NumTessera);
        row.expiry = text(rec, members::DataScade);
        row.email = text(rec, members::Email);
        const Fee fee = readFee(text(rec, members::Titoli));
        row.fee = fee.amount;
        row.problem = fee.problem;
        out.rows.push_back(std::move(row));
        return true;
    });
    file.close();
    sortByName(out.rows);
    return out;
}

void sortByName(std::vector<RenewalRow>& rows) {
    // Each name folded once: folding at every comparison took most of the time of the grid.
    std::vector<std::u32string> keys;
    keys.reserve(rows.size());
    for (const RenewalRow& r : rows)
        keys.push_back(foldedName(r.name));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<RenewalRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

Fee readFee(const QString& stored) {
    QString t = core::trimText(stored);
    // "€ 25" and "25 €" are how fees are often typed in the member window.
    if (t.startsWith(u'\u20ac')) t = core::trimText(t.mid(1));
    if (t.endsWith(u'\u20ac')) t = core::trimText(t.chopped(1));
    if (t.isEmpty()) return {QString(), QStringLiteral("Quota mancante")};
    if (!platform::isAmountText(t)) return {stored, QStringLiteral("Quota non leggibile")};
    const QString amount = core::normaliseAmount(t);
    if (amount.size() > kMaxAmountLength) return {stored, QStringLiteral("Quota troppo grande")};
    return {amount, QString()};
}

QDate oneYearAfter(const QDate& expiry) {
    const int day = expiry.month() == 2 && expiry.day() == 29 ? 28 : expiry.day();
    return QDate(expiry.year() + 1, expiry.month(), day);
}

std::optional<QDate> newExpiry(const QString& expiry, const RenewalOptions& options,
                               const QDate& today) {
    if (options.fixedExpiry) return options.fixedExpiry;
    const auto current = core::parseDate(expiry, today);
    if (!current) return std::nullopt;
    return oneYearAfter(*current);
}

QString defaultReason(const QDate& newExpiry) {
    return QStringLiteral("Quota associativa ") + QString::number(newExpiry.year());
}

QStringList feeMovement(const QStringList& member, const QString& fee,
                        const RenewalOptions& options) {
    QStringList v(MovementFieldCount);
    v[Entrata] = kYes;
    v[Uscita] = kNo;
    v[Data] = v[DataSca] = core::formatDate(options.issueDate);
    v[Preavviso] = QStringLiteral("0");
    v[Causale] = core::trimText(options.reason);
    v[Pagatore] = member.value(members::Tesserato);
    v[RecapitoPag] = member.value(members::Recapito);
    v[CodFisc] = member.value(members::CodFisc);
    v[Categoria] = member.value(members::NumTessera);
    v[Email] = member.value(members::Email);
    v[Pagamento] = core::trimText(options.payment);
    v[Importo] = core::normaliseAmount(fee);
    v[Totale] = signedTotal(true, v[Importo]);
    v[Saldato] = kYes;
    return v;
}

RenewalResult renewMembers(const QString& folder, const std::vector<RenewalRequest>& requests,
                           const RenewalOptions& options, const QDate& today,
                           const std::function<void(int)>& progress) {
    RenewalResult result;
    const core::RecordLayout& memberLayout = members::memberLayout();
    const core::RecordLayout& movements = movementLayout();
    const QString memberPath = QDir(folder).filePath(members::kMemberFileName);
    const QString yearPath =
        QDir(folder).filePath(yearFileName(QString::number(options.issueDate.year())));

    core::RecordFile memberFile(memberPath, members::kMemberRecordLength);
    core::RecordFile yearFile(yearPath, kMovementRecordLength);
    // Both locks for the whole step, always taken in path order.
    std::vector<core::RecordFile*> files{&memberFile};
    if (options.cashBook) files.push_back(&yearFile);
    std::sort(files.begin(), files.end(), [](const core::RecordFile* a, const core::RecordFile* b) {
        return a->path() < b->path();
    });
    for (core::RecordFile* f : files)
        if (!f->open()) return result;

    core::MultiFileCommit commit;
    QByteArray record(members::kMemberRecordLength, '\0');
    QByteArray movement(kMovementRecordLength, '\0');
    const QString issued = core::formatDate(options.issueDate);
    for (const RenewalRequest& r : requests) {
        if (r.record < 1 || r.record > memberFile.count()) {
            result.outcome = RenewalResult::Outcome::Changed;
            return result;
        }
        if (!memberFile.read(r.record, record.data())) return result;
        const std::optional<QDate> expiry =
            newExpiry(memberLayout.load(record.constData(), members::DataScade), options, today);
        if (fingerprintOf(record.constData()) != r.fingerprint || !expiry ||
            members::renewalState(record.constData(), today) != members::Renewal::Due) {
            result.outcome = RenewalResult::Outcome::Changed;
            return result;
        }
        memberLayout.store(record.data(), members::DataRil, issued);
        memberLayout.store(record.data(), members::DataScade, core::formatDate(*expiry));
        commit.overwrite(memberFile, r.record, record.constData());
        if (options.cashBook) {
            const auto cents = core::parseCents(r.fee);
            if (!cents) return result; // the window lets no such fee through
            movement.fill('\0');
            movements.storeAll(
                movement.data(),
                feeMovement(memberLayout.loadAll(record.constData()), r.fee, options));
            commit.append(yearFile, movement.constData());
            result.total += *cents;
            ++result.movements;
        }
        ++result.renewed;
        if (progress) progress(result.renewed);
    }
    if (!commit.commit()) {
        result = {};
        return result;
    }
    result.outcome = RenewalResult::Outcome::Done;
    return result;
}

QString renewalQuestion(int members, int movements, core::CentsTotal total) {
    return QStringLiteral("Verranno rinnovate %1 tessere e registrate %2 quote in primanota, per "
                          "un totale di %3 \u20ac. Procedere?")
        .arg(members)
        .arg(movements)
        .arg(core::formatCents(total));
}

QString renewalDoneMessage(const RenewalResult& result) {
    return QStringLiteral("Sono state rinnovate %1 tessere e registrate %2 quote in primanota, "
                          "per un totale di %3 \u20ac.")
        .arg(result.renewed)
        .arg(result.movements)
        .arg(core::formatCents(result.total));
}

QString renewalChangedMessage() {
    return QStringLiteral("Attenzione: nel frattempo la scheda di un socio in elenco \u00e8 stata "
                          "modificata o rimossa, per cui nessuna tessera \u00e8 stata rinnovata."
                          "\n\r\n\rL'elenco \u00e8 stato aggiornato: controllarlo e ripetere il "
                          "rinnovo.");
}

QStringList confirmationMailCommands(const QStringList& addresses, int perMessage) {
    QStringList out;
    QStringList wanted;
    for (const QString& a : addresses)
        if (!core::trimText(a).isEmpty()) wanted << core::trimText(a);
    for (qsizetype i = 0; i < wanted.size(); i += perMessage)
        out << QStringLiteral("\"mailto:?bcc=") + wanted.mid(i, perMessage).join(u',') +
                   QStringLiteral("&subject=Conferma rinnovo tessera&body=Gentile socio, le "
                                  "confermiamo l'avvenuto rinnovo della sua tessera. Cordiali "
                                  "saluti.\"");
    return out;
}

} // namespace cashbook
