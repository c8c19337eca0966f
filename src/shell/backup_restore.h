#pragma once

#include "shell/backup.h"

namespace shell {

// The restore journal: once it is on disk the restore is finished, whatever happens next.
inline const QString kRestoreJournal = QStringLiteral("Ripristino.jrn");
// The restored files wait beside the old ones under this suffix until the journal is written.
inline const QString kRestoreSuffix = QStringLiteral(".rstnew");

struct RestoreResult {
    enum class Outcome {
        Done,     // every data file is the backup's
        Busy,     // the files could not all be locked: nothing changed
        NotSaved, // the current data could not be backed up first: nothing changed
        Failed,   // a step failed before the journal: nothing changed
        Pending,  // past the journal, not yet finished: the next start finishes it
    };
    Outcome outcome = Outcome::Failed;
    QString reason;
    QString safetyCopy; // the backup of the data as they were
};

// Restores a backup that verifyBackup passed (`verified` is its manifest), all or nothing:
// the folder and every record file locked exclusively; a backup of the current data into
// Backup/ noted "prima del ripristino"; each file of the backup written beside its old one
// (checked again against the manifest while it is written); the journal; then each renamed into
// place, and the data files the backup does not hold removed.
RestoreResult restoreBackup(const QString& folder, const QString& zipPath, const Manifest& verified,
                            const QDateTime& when, const Progress& progress = {});

enum class FinishOutcome {
    Nothing,   // no restore was left
    Completed, // a restore past its journal was finished
    Undone,    // the files of a restore cut short before its journal were removed
    Busy,      // another copy holds the folder: left to it
    Failed,    // the journal could not be carried out; the folder is not to be used
};

// At start, before anything reads the data: finishes a restore that has its journal, or removes
// what one cut short before it left.
FinishOutcome finishRestore(const QString& folder);

} // namespace shell
