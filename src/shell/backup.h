#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <variant>
#include <vector>

namespace core {
class RecordFile;
}

namespace shell {

// Dated backups of the program folder: one zip of every data file with a manifest. Everything
// goes through core::fileSystem(), so the same code runs on a simulated disk in tests.

inline const QString kBackupFolder = QStringLiteral("Backup");
inline const QString kManifestName = QStringLiteral("Quorvix-manifest.txt");
inline const QString kBackupSettingsFile = QStringLiteral("Quorvix.ini");
inline const QString kRestoreNote = QStringLiteral("prima del ripristino");

// What a relative path ("Tesserati.pro", "Documenti_Allegati/contratto.pdf") is, when it is a
// data file of the program folder. Nothing else goes into a backup or comes out of one: not the
// program, exports, journals, locks, temporaries or earlier backups.
struct DataFileKind {
    int recordLength = 0; // record files only; 0 for the others
};
std::optional<DataFileKind> dataFileKind(const QString& relativePath);

// The data files present in `folder`, as sorted relative paths.
QStringList dataFiles(const QString& folder);

struct ManifestEntry {
    QString name;
    qint64 size = 0;
    QByteArray sha256; // raw 32 bytes
    bool operator==(const ManifestEntry&) const = default;
};

struct Manifest {
    QString version;
    QDateTime date;
    QString note;
    std::vector<ManifestEntry> files; // sorted by name
    qint64 totalSize() const;
};

QByteArray manifestText(const Manifest& m);
// Nullopt for anything that is not a manifest as manifestText writes it.
std::optional<Manifest> parseManifest(const QByteArray& text);

// Called with bytes done and the total; the work goes on whatever it returns.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Record files this process already holds open (and locked); read through them instead of
// taking a lock of its own, by relative path.
using HeldRecordFiles = std::map<QString, core::RecordFile*>;

struct BackupResult {
    bool ok = false;
    QString path;   // the zip written
    QString reason; // why not, in Italian, for the message
    Manifest manifest;
};

// Writes a backup of `folder` to `zipPath` through core::replaceFile: each record file is read
// whole records only, under its shared lock (or through `held`); the zip is then read back whole
// and compared with what was written, and removed when it does not match.
BackupResult writeBackup(const QString& folder, const QString& zipPath, const QDateTime& when,
                         const QString& note, const Progress& progress = {},
                         const HeldRecordFiles& held = {});

// Checks a backup without changing anything: a readable zip, its manifest, every entry a data
// file named once in the manifest and every manifest name present, sizes, SHA-256 and CRC, and
// record files a whole number of records long. The manifest, or the reason in Italian.
std::variant<Manifest, QString> verifyBackup(const QString& zipPath, const Progress& progress = {});

// Only the manifest (for the list of backups); nullopt when it cannot be read.
std::optional<Manifest> readManifest(const QString& zipPath);

// "Quorvix-YYYY-MM-DD-HHMM.zip", or with "-2", "-3"... when that minute is taken in `folder`.
QString backupFileName(const QString& folder, const QDateTime& when);
// The date in a name backupFileName gave, and its order within the minute.
std::optional<std::pair<QDateTime, int>> backupNameDate(const QString& fileName);
// The backups of `folder`, newest first (full paths).
QStringList backupsIn(const QString& folder);
// Removes all but the newest `keep` backups of `folder`; false when one could not be removed.
bool rotateBackups(const QString& folder, int keep);

// A dated backup into `target` (made when missing), then, when `keep` > 0, the rotation there.
BackupResult backupIntoFolder(const QString& folder, const QString& target, const QDateTime& when,
                              const QString& note, int keep, const Progress& progress = {},
                              const HeldRecordFiles& held = {});

// The settings kept in Quorvix.ini.
struct BackupSettings {
    int days = 1;  // "Giorni tra le copie"
    int keep = 10; // "Copie da conservare"
    QString chosenFolder;
};
BackupSettings readBackupSettings(const QString& folder);
bool writeBackupSettings(const QString& folder, const BackupSettings& s);

// Whether the newest backup in Backup/ is at least `days` calendar days older than `today`.
bool backupDue(const QString& folder, int days, const QDate& today);

} // namespace shell
