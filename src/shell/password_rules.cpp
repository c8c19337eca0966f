#include "shell/password_rules.h"

#include "core/scramble.h"
#include "core/text.h"
#include "shell/password_store.h"

namespace shell {

using platform::MsgKind;
using platform::Problem;

namespace {

// The scrambling counts characters with 8 bits: a longer password could not be stored.
bool tooLong(const QString& normalised) {
    return normalised.size() > core::kMaxScrambleLength;
}

Problem tooLongProblem(const QString& control) {
    return {MsgKind::Warning,
            QStringLiteral("Attenzione: la password non può superare i 255 caratteri."), control};
}

} // namespace

std::optional<Problem> loginProblem(const std::optional<QString>& stored, const QString& typed) {
    const QString password = normalisePassword(typed);
    if (tooLong(password)) return tooLongProblem(QStringLiteral("txtPassword"));
    if (!stored)
        return Problem{MsgKind::Plain,
                       QStringLiteral("Attenzione: si è verificato un errore durante la procedura "
                                      "di lettura della password. Si consiglia di reinstallare il "
                                      "software."),
                       {}};
    if (*stored != password)
        return Problem{MsgKind::Plain, QStringLiteral("Attenzione: password errata."),
                       QStringLiteral("txtPassword")};
    return std::nullopt;
}

std::optional<Problem> passwordChangeProblem(const std::optional<QString>& stored,
                                             const PasswordChange& change) {
    if (!stored) return passwordChangeFailure();
    if (*stored != normalisePassword(change.oldPassword))
        return Problem{MsgKind::Plain, QStringLiteral("Attenzione: vecchia password errata."),
                       QStringLiteral("txtPasswordOld")};
    // Exact here: "abc" does not confirm "ABC", although both would be stored alike.
    if (core::trimText(change.newPassword) != core::trimText(change.confirmation))
        return Problem{MsgKind::Plain,
                       QStringLiteral("Attenzione: la nuova password non è stata confermata "
                                      "correttamente. E' necessario reinserire entrambi i "
                                      "valori."),
                       QStringLiteral("txtPasswordNew")};
    if (tooLong(normalisePassword(change.newPassword)))
        return tooLongProblem(QStringLiteral("txtPasswordNew"));
    return std::nullopt;
}

Problem passwordChangeFailure() {
    return {MsgKind::Plain,
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                           "modifica della password. Si consiglia di reinstallare il software."),
            {}};
}

} // namespace shell
