#pragma once

#include "platform/problem.h"

#include <QString>
#include <QStringList>

namespace book {

// Registers are the files "<name>.lib" of the program folder, one page per record.
inline const QString kRegisterExtension = QStringLiteral(".lib");

// The register's display name: its file name without the last four characters.
QString registerDisplayName(const QString& fileName);

// What stops the creation of register `typed` (the text of the name field) in `folder`: an
// empty name, a name that would leave the folder or name no plain file in it, or a name
// already used. Focus control for each is the name field.
platform::Check registerNameProblem(const QString& folder, const QString& typed);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates the empty register "<trimmed typed>.lib". Never truncates an existing file; a
// journal left by a register of that name that was removed outside the program goes first.
// The name must have passed registerNameProblem.
CreateResult createRegister(const QString& folder, const QString& typed);

// The exact file names (with extension) of the registers in `folder`, in the folder's own
// order. Each is kept as it is: a name with blanks at its ends names that file, no other.
QStringList listRegisters(const QString& folder);
QString registerCountLine(qsizetype count); // "Sono stati creati N Libri Soci."

// Deletes the register with that exact file name and its overwrite journal, so a register
// created later under the same name never gets an old page rolled back into it. False when
// either is still there afterwards.
bool deleteRegister(const QString& folder, const QString& fileName);

// Messages of the register windows.
QString emptyNameMessage();
QString unsafeNameMessage();
QString nameUsedMessage();
QString createdMessage();
QString createFailedMessage(const QString& fileName);
QString emptyListMessage();
QString selectToOpenMessage();
QString selectToDeleteMessage();
QString confirmDeleteQuestion();
QString deletedMessage();
QString deleteFailedMessage();

} // namespace book
