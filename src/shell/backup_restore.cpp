#include "shell/backup_restore.h"

#include "core/file_faults.h"
#include "core/file_lock.h"
#include "core/file_system.h"
#include "core/record_file.h"
#include "core/replace_file.h"
#include "platform/attachments.h"
#include "shell/backup_zip.h"
#include "shell/password_store.h"

#include <QCryptographicHash>

#include <quazip.h>

#include <memory>
#include <set>

namespace shell {

namespace {

using Kind = core::FileSystem::Kind;

const QByteArray kJournalTitle = "Quorvix ripristino\n";
const QByteArray kJournalEnd = "fine\n";

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// What the journal holds: the files to put in place and the data files to remove.
struct Journal {
    QStringList installs;
    QStringList removes;
};

QByteArray journalText(const Journal& j) {
    QByteArray text = kJournalTitle;
    for (const QString& name : j.installs)
        text += "+\t" + name.toUtf8() + '\n';
    for (const QString& name : j.removes)
        text += "-\t" + name.toUtf8() + '\n';
    return text + kJournalEnd;
}

// Every name is checked again: a journal never moves anything but data files.
std::optional<Journal> parseJournal(const QByteArray& text) {
    if (!text.startsWith(kJournalTitle) || !text.endsWith(kJournalEnd)) return std::nullopt;
    const QByteArray body =
        text.mid(kJournalTitle.size(), text.size() - kJournalTitle.size() - kJournalEnd.size());
    Journal j;
    for (const QByteArray& line : body.split('\n')) {
        if (line.isEmpty()) continue;
        const QString name = QString::fromUtf8(line.mid(2));
        if (line.size() < 3 || line[1] != '\t' || !dataFileKind(name)) return std::nullopt;
        if (line[0] == '+')
            j.installs << name;
        else if (line[0] == '-')
            j.removes << name;
        else
            return std::nullopt;
    }
    return j;
}

// The folders whose names a restore of `names` changes.
QStringList foldersOf(const QString& folder, const QStringList& names) {
    QStringList out{folder};
    for (const QString& name : names)
        if (name.contains(u'/')) return out << joined(folder, platform::kAttachmentsFolder);
    return out;
}

// The lock a restore holds on the folder, which also keeps out INI writes where the folder can
// be locked, and which the start-up takes before it finishes or undoes anything.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : file_(core::fileSystem().open(folder, core::FileSystem::Open::Read)) {
        locked_ = file_ && lock_.acquire(*file_,
                                         core::FileLock::lockFileOf(joined(folder, kRestoreJournal)),
                                         true) == core::FileLock::Result::Locked;
    }
    bool locked() const { return locked_; }

private:
    std::unique_ptr<core::File> file_;
    core::FileLock lock_;
    bool locked_ = false;
};

// Everything after the journal: idempotent, so the start-up can run it again after a cut.
bool rollForward(const QString& folder, const Journal& j) {
    core::FileSystem& fs = core::fileSystem();
    bool ok = true;
    for (const QString& name : j.installs) {
        const QString target = joined(folder, name);
        // Missing: renamed already before a cut.
        if (fs.kind(target + kRestoreSuffix) != Kind::Missing)
            ok = fs.rename(target + kRestoreSuffix, target) && ok;
    }
    for (const QString& name : j.removes)
        if (fs.kind(joined(folder, name)) != Kind::Missing)
            ok = fs.remove(joined(folder, name)) && ok;
    // Every rename is durable before the journal goes.
    for (const QString& f : foldersOf(folder, j.installs + j.removes))
        ok = ok && fs.syncFolder(f);
    return ok && fs.remove(joined(folder, kRestoreJournal)) && fs.syncFolder(folder);
}

// The files a restore cut short before its journal left behind.
QStringList leftovers(const QString& folder) {
    core::FileSystem& fs = core::fileSystem();
    QStringList out;
    const QString attachments = joined(folder, platform::kAttachmentsFolder);
    for (const QString& f : {folder, attachments}) {
        if (fs.kind(f) != Kind::Folder) continue;
        for (const QString& name : fs.entries(f))
            if (name.endsWith(kRestoreSuffix) || (f == folder && core::isTemporaryOf(name, kRestoreJournal)))
                out << joined(f, name);
    }
    return out;
}

// Writes each file of the backup beside its old one, checked against the manifest as it goes.
bool writeRestored(const QString& folder, const QString& zipPath, const Manifest& m,
                   QStringList& written, QString& reason, const std::function<void(qint64)>& step) {
    core::FileSystem& fs = core::fileSystem();
    FileReadDevice device(fs.open(zipPath, core::FileSystem::Open::Read));
    QuaZip zip(&device);
    if (!zip.open(QuaZip::mdUnzip)) {
        reason = QStringLiteral("Impossibile aprire il file %1.").arg(zipPath);
        return false;
    }
    const QString attachments = joined(folder, platform::kAttachmentsFolder);
    for (const ManifestEntry& e : m.files) {
        if (e.name.contains(u'/') && !fs.makeFolder(attachments)) {
            reason = QStringLiteral("Impossibile creare la cartella %1.").arg(attachments);
            return false;
        }
        const QString target = joined(folder, e.name) + kRestoreSuffix;
        auto out = fs.open(target, core::FileSystem::Open::Truncate);
        if (!out) {
            reason = QStringLiteral("Impossibile scrivere il file %1.").arg(target);
            return false;
        }
        written << target;
        qint64 at = 0;
        bool writeFailed = false;
        QCryptographicHash sha(QCryptographicHash::Sha256);
        const bool found = zip.setCurrentFile(e.name, QuaZip::csSensitive);
        const EntryRead r = found ? readZipEntry(zip, e.size,
                                                 [&](const char* d, qint64 n) {
                                                     if (!out->write(at, d, n)) {
                                                         writeFailed = true;
                                                         return false;
                                                     }
                                                     at += n;
                                                     sha.addData(QByteArrayView(d, n));
                                                     step(n);
                                                     return true;
                                                 })
                                  : EntryRead::Unreadable;
        if (writeFailed || (r == EntryRead::Ok && !out->sync())) {
            reason = QStringLiteral("Impossibile scrivere il file %1: lo spazio sul disco "
                                    "potrebbe essere esaurito.")
                         .arg(target);
            return false;
        }
        if (r != EntryRead::Ok || at != e.size || sha.result() != e.sha256) {
            reason = QStringLiteral("Il file %1 nella copia è cambiato dopo il controllo.").arg(e.name);
            return false;
        }
    }
    return true;
}

} // namespace

RestoreResult restoreBackup(const QString& folder, const QString& zipPath, const Manifest& verified,
                            const QDateTime& when, const Progress& progress) {
    core::FileSystem& fs = core::fileSystem();
    using Outcome = RestoreResult::Outcome;
    RestoreResult result;
    const QString journal = joined(folder, kRestoreJournal);

    const FolderLock folderLock(folder);
    if (!folderLock.locked()) {
        result.outcome = Outcome::Busy;
        return result;
    }
    if (fs.kind(journal) != Kind::Missing) { // one that the start-up could not finish
        result.outcome = Outcome::Pending;
        return result;
    }
    // Every record file locked for writing: no copy of the program saves until it is over.
    const QStringList current = dataFiles(folder);
    std::vector<std::unique_ptr<core::RecordFile>> locked;
    HeldRecordFiles held;
    for (const QString& name : current) {
        const int length = dataFileKind(name)->recordLength;
        if (length == 0) continue;
        auto file = std::make_unique<core::RecordFile>(joined(folder, name), length);
        if (!file->open(core::RecordFile::Access::ReadWrite)) {
            result.outcome = Outcome::Busy;
            return result;
        }
        held[name] = file.get();
        locked.push_back(std::move(file));
    }

    // Progress over both halves: the copy of the current data, then the restored files.
    qint64 firstHalf = 0;
    const qint64 secondHalf = verified.totalSize();
    const BackupResult safety = backupIntoFolder(
        folder, joined(folder, kBackupFolder), when, kRestoreNote, 0,
        [&](qint64 done, qint64 total) {
            firstHalf = total;
            if (progress) progress(done, total + secondHalf);
        },
        held);
    if (!safety.ok) {
        result.outcome = Outcome::NotSaved;
        result.reason = safety.reason;
        return result;
    }
    result.safetyCopy = safety.path;

    Journal j;
    for (const ManifestEntry& e : verified.files)
        j.installs << e.name;
    const std::set<QString> installs(j.installs.begin(), j.installs.end());
    for (const QString& name : current)
        // A backup without the password store never leaves the program without one.
        if (!installs.count(name) && name != kPasswordStoreFile) j.removes << name;

    QStringList written;
    const auto undo = [&] {
        const core::faults::Undoing tidying;
        for (const QString& path : written)
            fs.remove(path);
        for (const QString& f : foldersOf(folder, j.installs))
            fs.syncFolder(f);
    };
    qint64 done = 0;
    bool ok = writeRestored(folder, zipPath, verified, written, result.reason, [&](qint64 n) {
        done += n;
        if (progress) progress(firstHalf + done, firstHalf + secondHalf);
    });
    // A journal left by a save to a record file that no longer exists would be applied to the
    // restored one at its first open.
    for (const QString& name : j.installs) {
        const QString stale = core::RecordFile::journalPath(joined(folder, name));
        if (ok && dataFileKind(name)->recordLength > 0 && !held.count(name) &&
            fs.kind(stale) != Kind::Missing)
            ok = fs.remove(stale);
    }
    for (const QString& f : foldersOf(folder, j.installs))
        ok = ok && fs.syncFolder(f);
    if (!ok) {
        if (result.reason.isEmpty())
            result.reason = QStringLiteral("Impossibile scrivere nella cartella %1.").arg(folder);
        undo();
        return result;
    }

    // The point of no return.
    if (!core::replaceFile(journal, journalText(j)) && fs.kind(journal) == Kind::Missing) {
        result.reason = QStringLiteral("Impossibile scrivere il file %1.").arg(journal);
        undo();
        return result;
    }
    // One more try at once; after that the next start finishes it.
    if (!rollForward(folder, j) && !rollForward(folder, j)) {
        result.outcome = Outcome::Pending;
        return result;
    }
    result.outcome = Outcome::Done;
    return result;
}

FinishOutcome finishRestore(const QString& folder) {
    core::FileSystem& fs = core::fileSystem();
    const QString journal = joined(folder, kRestoreJournal);
    if (fs.kind(journal) == Kind::Missing && leftovers(folder).isEmpty())
        return FinishOutcome::Nothing;
    const FolderLock lock(folder);
    if (!lock.locked()) return FinishOutcome::Busy;
    if (fs.kind(journal) != Kind::Missing) {
        QByteArray text;
        const auto j = core::readWholeFile(journal, text) ? parseJournal(text) : std::nullopt;
        return j && rollForward(folder, *j) ? FinishOutcome::Completed : FinishOutcome::Failed;
    }
    const QStringList left = leftovers(folder);
    if (left.isEmpty()) return FinishOutcome::Nothing;
    for (const QString& path : left)
        fs.remove(path); // what stays is no data file and is tried again next time
    fs.syncFolder(folder);
    const QString attachments = joined(folder, platform::kAttachmentsFolder);
    if (fs.kind(attachments) == Kind::Folder) fs.syncFolder(attachments);
    return FinishOutcome::Undone;
}

} // namespace shell
