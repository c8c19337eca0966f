#pragma once

#include "platform/problem.h"

#include <QString>

#include <optional>

namespace shell {

// What stops a login or a password change, as values: the windows show them (and empty the
// field that takes the focus), the tests check them without a window.
// `stored` is readStoredPassword()'s answer: nullopt when the store could not be read.

// The login with a non-empty typed text; nullopt: the password is right.
std::optional<platform::Problem> loginProblem(const std::optional<QString>& stored,
                                              const QString& typed);

struct PasswordChange {
    QString oldPassword, newPassword, confirmation; // as typed
};

// The first problem of a change, in the order the user meets them; nullopt: write
// normalisePassword(newPassword).
std::optional<platform::Problem> passwordChangeProblem(const std::optional<QString>& stored,
                                                       const PasswordChange& change);

// The store could not be read or written during a change.
platform::Problem passwordChangeFailure();

} // namespace shell
