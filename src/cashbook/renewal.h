#pragma once

#include "core/money.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace cashbook {

// The renewal of the members due in one pass: each ticked member gets a new issue and expiry
// date in the member file and, when asked, an income movement for the fee in the cash book of
// the issue date's year, both files written as one step.

// One member of the renewal list (the renewal list's own rule: due and not cancelled).
struct RenewalRow {
    qint64 record = 0;
    quint64 fingerprint = 0; // of the record as read: a renewal refuses a member changed since
    QString name, card, expiry, email;
    QString fee;     // the normalised amount, or the stored text when it is no amount
    QString problem; // why the fee cannot be taken as it is; empty when it can
};

struct RenewalRows {
    std::vector<RenewalRow> rows; // sorted by name, then record
    qint64 unreadable = 0;        // active members whose expiry or notice could not be read
    bool ok = true;               // false: the member file could not be read
};
RenewalRows renewalRows(const QString& folder, const QDate& today);
// The grid's order: by name as QString::compare(Qt::CaseInsensitive) orders them, equal names
// in the order given.
void sortByName(std::vector<RenewalRow>& rows);

// The fee as the cash book stores it, or the problem the "Esito" column shows.
struct Fee {
    QString amount;
    QString problem;
};
Fee readFee(const QString& text);

// One year after `expiry`; 29/02 becomes 28/02.
QDate oneYearAfter(const QDate& expiry);

struct RenewalOptions {
    std::optional<QDate> fixedExpiry; // "Tutte al": nullopt for one year after the current one
    QDate issueDate;                  // the new DataRil, the movement's Data and DataSca
    bool cashBook = true;             // one income movement per member
    QString reason;                   // Causale
    QString payment;                  // Pagamento
};

// The new expiry of a member whose current one is `expiry` (as stored); nullopt when it cannot
// be read.
std::optional<QDate> newExpiry(const QString& expiry, const RenewalOptions& options,
                               const QDate& today);

// "Quota associativa <year>".
QString defaultReason(const QDate& newExpiry);

// The 28 values of the income movement for one member (35 member values), by the cash book's
// own rules for Importo and Totale.
QStringList feeMovement(const QStringList& member, const QString& fee,
                        const RenewalOptions& options);

// What is renewed: the member as read into the grid, and what the grid shows for it.
struct RenewalRequest {
    qint64 record = 0;
    quint64 fingerprint = 0;
    QString fee; // a normalised amount when the cash book is written
};

struct RenewalResult {
    enum class Outcome { Done, Changed, Failed } outcome = Outcome::Failed;
    int renewed = 0;
    int movements = 0;
    core::CentsTotal total = 0;
};

// Reads every requested member again under the lock of both files and writes nothing when one
// has gone or changed since the grid was filled (Changed), or when a file cannot be written
// (Failed). Otherwise the member file and the year file are written as one step.
// `progress(done)` hears after each member prepared.
RenewalResult renewMembers(const QString& folder, const std::vector<RenewalRequest>& requests,
                           const RenewalOptions& options, const QDate& today,
                           const std::function<void(int done)>& progress = {});

// The question before the step and the message after it.
QString renewalQuestion(int members, int movements, core::CentsTotal total);
QString renewalDoneMessage(const RenewalResult& result);
QString renewalChangedMessage();

// The mailto links of "Invia conferma": the addresses in Bcc, at most `perMessage` a link.
QStringList confirmationMailCommands(const QStringList& addresses, int perMessage = 50);

} // namespace cashbook
