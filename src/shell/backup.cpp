#include "shell/backup.h"

#include "book/page_record.h"
#include "book/registers.h"
#include "cashbook/movement_record.h"
#include "core/file_faults.h"
#include "core/file_system.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "core/replace_file.h"
#include "core/win1252.h"
#include "deadlines/deadline_record.h"
#include "members/member_record.h"
#include "platform/attachments.h"
#include "shell/backup_zip.h"
#include "shell/password_store.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <algorithm>
#include <set>

namespace shell {

namespace {

const QString kManifestTitle = QStringLiteral("Quorvix copia di sicurezza");
const QString kVersion = QStringLiteral("5.0");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kSettingsSection = QStringLiteral("Copie di sicurezza");
constexpr qint64 kManifestLimit = 16 << 20;
constexpr qint64 kPiece = 4 << 20;

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// A file name the program could have made: no separators, no control characters, not a
// temporary of a write in progress.
bool plainName(const QString& n) {
    if (n.isEmpty() || n.size() > 255 || n == u"." || n == u"..") return false;
    for (const QChar c : n)
        if (c == u'/' || c < u' ' || c == QChar(0x7F)) return false;
    for (const char* temporary : {".qvtmp", ".qvold", ".rstnew"})
        if (n.endsWith(QLatin1String(temporary))) return false;
    return true;
}

bool hasExtension(const QString& n, const char* extension) {
    const QLatin1String ext(extension);
    return n.size() > ext.size() && n.endsWith(ext);
}

// Pictures and sounds are compressed already: stored as they are, they cost no time.
bool storedAsIs(const QString& name) {
    return hasExtension(name, ".jpg") || hasExtension(name, ".mp3");
}

QString sizeError(const QString& zipPath) {
    return QStringLiteral("Impossibile scrivere il file %1: lo spazio sul disco potrebbe essere "
                          "esaurito oppure la cartella è protetta da scrittura.")
        .arg(zipPath);
}

enum class Snapshot { Ok, Gone, Failed };

// The bytes of one data file as they are between two saves: a record file whole records only,
// under its shared lock (or through the copy this process holds locked already).
Snapshot snapshot(const QString& folder, const QString& name, int recordLength,
                  const HeldRecordFiles& held, QByteArray& out) {
    core::FileSystem& fs = core::fileSystem();
    const QString path = joined(folder, name);
    if (recordLength > 0) {
        core::RecordFile* file = nullptr;
        core::RecordFile own(path, recordLength);
        if (const auto h = held.find(name); h != held.end()) {
            file = h->second;
        } else {
            // Opening a missing record file would create it.
            if (fs.kind(path) != core::FileSystem::Kind::File) return Snapshot::Gone;
            if (!own.open(core::RecordFile::Access::Read)) return Snapshot::Failed;
            file = &own;
        }
        out.clear();
        out.reserve(file->count() * recordLength);
        const bool ok = file->scan([&](qint64, const char* record) {
            out.append(record, recordLength);
            return true;
        });
        return ok ? Snapshot::Ok : Snapshot::Failed;
    }
    if (fs.kind(path) == core::FileSystem::Kind::Missing) return Snapshot::Gone;
    return core::readWholeFile(path, out) ? Snapshot::Ok : Snapshot::Failed;
}

QString entryProblem(EntryRead r, const QString& name) {
    switch (r) {
    case EntryRead::BadCrc:
        return QStringLiteral("Il file %1 nella copia è danneggiato (controllo CRC errato).")
            .arg(name);
    case EntryRead::TooLong:
        return QStringLiteral("Il file %1 nella copia è più lungo di quanto dichiarato.").arg(name);
    default:
        return QStringLiteral("Il file %1 nella copia non si può leggere.").arg(name);
    }
}

} // namespace

std::optional<DataFileKind> dataFileKind(const QString& relativePath) {
    const qsizetype slash = relativePath.indexOf(u'/');
    if (slash >= 0) {
        // Attached documents: one level, any name that is not a temporary.
        const QString inside = relativePath.mid(slash + 1);
        if (relativePath.left(slash) != platform::kAttachmentsFolder || !plainName(inside))
            return std::nullopt;
        return DataFileKind{};
    }
    const QString& n = relativePath;
    if (!plainName(n)) return std::nullopt;
    if (n == members::kMemberFileName) return DataFileKind{members::kMemberRecordLength};
    if (hasExtension(n, ".lib")) return DataFileKind{book::kPageRecordLength};
    if (hasExtension(n, ".sca")) return DataFileKind{deadlines::kDeadlineRecordLength};
    if (hasExtension(n, ".eur")) return DataFileKind{cashbook::kMovementRecordLength};
    if (hasExtension(n, ".ini") || hasExtension(n, ".jpg") || n == kPasswordStoreFile ||
        n == u"Avviso.mp3")
        return DataFileKind{};
    return std::nullopt;
}

QStringList dataFiles(const QString& folder) {
    core::FileSystem& fs = core::fileSystem();
    QStringList out;
    for (const QString& name : fs.entries(folder))
        if (dataFileKind(name) && fs.kind(joined(folder, name)) == core::FileSystem::Kind::File)
            out << name;
    const QString attachments = joined(folder, platform::kAttachmentsFolder);
    if (fs.kind(attachments) == core::FileSystem::Kind::Folder) {
        for (const QString& name : fs.entries(attachments)) {
            const QString relative = platform::kAttachmentsFolder + u'/' + name;
            if (dataFileKind(relative) &&
                fs.kind(joined(folder, relative)) == core::FileSystem::Kind::File)
                out << relative;
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

qint64 Manifest::totalSize() const {
    qint64 total = 0;
    for (const ManifestEntry& e : files)
        total += e.size;
    return total;
}

// A title line, four "Key: value" lines, then one line per file: size, SHA-256, name, separated
// by tabs (a name never holds one).
QByteArray manifestText(const Manifest& m) {
    QString text = kManifestTitle + u'\n';
    text += u"Versione: "_qs + m.version + u'\n';
    text += u"Data: "_qs + m.date.toString(kDateFormat) + u'\n';
    text += u"Nota: "_qs + m.note + u'\n';
    text += u"File: "_qs + QString::number(m.files.size()) + u'\n';
    for (const ManifestEntry& e : m.files)
        text += QString::number(e.size) + u'\t' + QString::fromLatin1(e.sha256.toHex()) + u'\t' +
                e.name + u'\n';
    return text.toUtf8();
}

std::optional<Manifest> parseManifest(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes || !text.endsWith(u'\n')) return std::nullopt;
    QStringList lines = text.split(u'\n');
    lines.removeLast();
    if (lines.size() < 5 || lines[0] != kManifestTitle) return std::nullopt;
    const auto value = [&](int i, const char* key) -> std::optional<QString> {
        const QString prefix = QLatin1String(key) + u": "_qs;
        if (!lines[i].startsWith(prefix)) return std::nullopt;
        return lines[i].mid(prefix.size());
    };
    const auto version = value(1, "Versione"), date = value(2, "Data"), note = value(3, "Nota"),
               count = value(4, "File");
    if (!version || !date || !note || !count) return std::nullopt;
    Manifest m{*version, QDateTime::fromString(*date, kDateFormat), *note, {}};
    bool ok = false;
    const qint64 n = count->toLongLong(&ok);
    if (!ok || !m.date.isValid() || n != lines.size() - 5) return std::nullopt;
    for (qsizetype i = 5; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(u'\t');
        if (parts.size() != 3) return std::nullopt;
        ManifestEntry e{parts[2], parts[0].toLongLong(&ok), QByteArray::fromHex(parts[1].toLatin1())};
        if (!ok || e.size < 0 || parts[1].size() != 64 || e.sha256.size() != 32 ||
            e.sha256.toHex() != parts[1].toLatin1())
            return std::nullopt;
        // Sorted and each name once, as written.
        if (!m.files.empty() && !(m.files.back().name < e.name)) return std::nullopt;
        m.files.push_back(std::move(e));
    }
    return m;
}

BackupResult writeBackup(const QString& folder, const QString& zipPath, const QDateTime& when,
                         const QString& note, const Progress& progress,
                         const HeldRecordFiles& held) {
    core::FileSystem& fs = core::fileSystem();
    BackupResult result{false, zipPath, {}, {kVersion, when, note, {}}};
    const QStringList names = dataFiles(folder);
    qint64 total = 0, done = 0;
    for (const QString& name : names)
        if (const auto f = fs.open(joined(folder, name), core::FileSystem::Open::Read))
            total += std::max<qint64>(0, f->size());
    if (progress) progress(0, total);

    QString reason;
    const bool written = core::replaceFile(zipPath, [&](QIODevice& out) {
        QuaZip zip(&out);
        zip.setAutoClose(false);
        zip.setUtf8Enabled(true);
        if (!zip.open(QuaZip::mdCreate)) return false;
        const auto add = [&](const QString& name, const QByteArray& bytes, bool plain) {
            QuaZipNewInfo info(name);
            info.dateTime = when;
            info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ReadGroup | QFileDevice::ReadOther);
            QuaZipFile entry(&zip);
            if (!entry.open(QIODevice::WriteOnly, info, nullptr, 0, plain ? 0 : Z_DEFLATED,
                            Z_BEST_SPEED))
                return false;
            for (qint64 at = 0; at < bytes.size(); at += kPiece) {
                const qint64 n = std::min<qint64>(kPiece, bytes.size() - at);
                if (entry.write(bytes.constData() + at, n) != n) return false;
                if (progress) progress(std::min(total, done + at + n), total);
            }
            entry.close();
            return entry.getZipError() == ZIP_OK;
        };
        QByteArray bytes;
        for (const QString& name : names) {
            const int length = dataFileKind(name)->recordLength;
            const Snapshot s = snapshot(folder, name, length, held, bytes);
            if (s == Snapshot::Gone) continue; // removed since the listing: not data any more
            if (s == Snapshot::Failed) {
                reason = QStringLiteral("Impossibile leggere il file %1.").arg(name);
                return false;
            }
            result.manifest.files.push_back(
                {name, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)});
            if (!add(name, bytes, storedAsIs(name))) return false;
            done += bytes.size();
        }
        bytes = QByteArray();
        if (!add(kManifestName, manifestText(result.manifest), false)) return false;
        zip.close();
        return zip.getZipError() == ZIP_OK;
    });
    if (!written) {
        result.reason = reason.isEmpty() ? sizeError(zipPath) : reason;
        return result;
    }

    // Only a copy that reads back as written counts.
    const auto check = verifyBackup(zipPath);
    const Manifest* back = std::get_if<Manifest>(&check);
    if (!back || back->files != result.manifest.files) {
        const core::faults::Undoing tidying;
        fs.remove(zipPath);
        fs.syncFolder(core::folderOf(zipPath));
        result.reason = QStringLiteral("La copia scritta non si rilegge uguale ai dati: %1")
                            .arg(back ? QStringLiteral("i file non corrispondono.")
                                      : std::get<QString>(check));
        return result;
    }
    result.ok = true;
    return result;
}

std::variant<Manifest, QString> verifyBackup(const QString& zipPath, const Progress& progress) {
    auto file = core::fileSystem().open(zipPath, core::FileSystem::Open::Read);
    if (!file) return QStringLiteral("Impossibile aprire il file %1.").arg(zipPath);
    FileReadDevice device(std::move(file));
    QuaZip zip(&device);
    if (!zip.open(QuaZip::mdUnzip))
        return QStringLiteral("Il file non è un archivio zip leggibile.");
    const QList<QuaZipFileInfo64> infos = zip.getFileInfoList64();
    if (zip.getZipError() != UNZ_OK || infos.isEmpty())
        return QStringLiteral("L'indice dell'archivio zip è danneggiato.");

    if (!zip.setCurrentFile(kManifestName, QuaZip::csSensitive))
        return QStringLiteral("Manca l'elenco dei file della copia (%1).").arg(kManifestName);
    QByteArray text;
    const EntryRead r = readZipEntry(zip, kManifestLimit, [&](const char* d, qint64 n) {
        text.append(d, n);
        return true;
    });
    if (r != EntryRead::Ok) return entryProblem(r, kManifestName);
    auto parsed = parseManifest(text);
    if (!parsed) return QStringLiteral("L'elenco dei file della copia è danneggiato.");
    Manifest& m = *parsed;

    // Names first: nothing is read from an archive that holds what no backup holds.
    std::map<QString, const ManifestEntry*> listed;
    for (const ManifestEntry& e : m.files)
        listed[e.name] = &e;
    std::set<QString> seen;
    for (const QuaZipFileInfo64& info : infos) {
        const QString& name = info.name;
        if (!seen.insert(name).second)
            return QStringLiteral("Il file %1 compare due volte nella copia.").arg(name);
        if (name == kManifestName) continue;
        const auto kind = dataFileKind(name);
        if (!kind)
            return QStringLiteral("La copia contiene %1, che non è un file di dati del programma.")
                .arg(name);
        const auto it = listed.find(name);
        if (it == listed.end())
            return QStringLiteral("La copia contiene %1, che non è nel suo elenco dei file.")
                .arg(name);
        if (qint64(info.uncompressedSize) != it->second->size)
            return QStringLiteral("Il file %1 nella copia non ha la dimensione del suo elenco.")
                .arg(name);
        if (kind->recordLength > 0 && it->second->size % kind->recordLength != 0)
            return QStringLiteral("Il file %1 nella copia non contiene un numero intero di schede.")
                .arg(name);
    }
    for (const ManifestEntry& e : m.files)
        if (!seen.count(e.name)) return QStringLiteral("Manca il file %1 nella copia.").arg(e.name);

    const qint64 total = m.totalSize();
    qint64 done = 0;
    for (const ManifestEntry& e : m.files) {
        if (!zip.setCurrentFile(e.name, QuaZip::csSensitive)) return entryProblem({}, e.name);
        QCryptographicHash sha(QCryptographicHash::Sha256);
        const EntryRead read = readZipEntry(zip, e.size, [&](const char* d, qint64 n) {
            sha.addData(QByteArrayView(d, n));
            done += n;
            if (progress) progress(done, total);
            return true;
        });
        if (read != EntryRead::Ok) return entryProblem(read, e.name);
        if (sha.result() != e.sha256)
            return QStringLiteral("Il file %1 nella copia è danneggiato (impronta SHA-256 errata).")
                .arg(e.name);
    }
    return m;
}

std::optional<Manifest> readManifest(const QString& zipPath) {
    auto file = core::fileSystem().open(zipPath, core::FileSystem::Open::Read);
    if (!file) return std::nullopt;
    FileReadDevice device(std::move(file));
    QuaZip zip(&device);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(kManifestName, QuaZip::csSensitive))
        return std::nullopt;
    QByteArray text;
    const EntryRead r = readZipEntry(zip, kManifestLimit, [&](const char* d, qint64 n) {
        text.append(d, n);
        return true;
    });
    return r == EntryRead::Ok ? parseManifest(text) : std::nullopt;
}

QString backupFileName(const QString& folder, const QDateTime& when) {
    const QString stem = u"Quorvix-"_qs + when.toString(u"yyyy-MM-dd-HHmm"_qs);
    QString name = stem + u".zip"_qs;
    for (int n = 2; core::fileSystem().kind(joined(folder, name)) != core::FileSystem::Kind::Missing;
         ++n)
        name = stem + u'-' + QString::number(n) + u".zip"_qs;
    return name;
}

std::optional<std::pair<QDateTime, int>> backupNameDate(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^Quorvix-(\\d{4})-(\\d{2})-(\\d{2})-(\\d{2})(\\d{2})(?:-(\\d{1,6}))?\\.zip$"));
    const auto m = pattern.match(fileName);
    if (!m.hasMatch()) return std::nullopt;
    const QDateTime when(QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()),
                         QTime(m.captured(4).toInt(), m.captured(5).toInt()));
    if (!when.isValid()) return std::nullopt;
    return std::make_pair(when, m.captured(6).isEmpty() ? 1 : m.captured(6).toInt());
}

QStringList backupsIn(const QString& folder) {
    std::vector<std::pair<std::pair<QDateTime, int>, QString>> found;
    for (const QString& name : core::fileSystem().entries(folder))
        if (const auto date = backupNameDate(name)) found.push_back({*date, name});
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    QStringList out;
    for (const auto& f : found)
        out << joined(folder, f.second);
    return out;
}

bool rotateBackups(const QString& folder, int keep) {
    core::FileSystem& fs = core::fileSystem();
    bool ok = true;
    const QStringList all = backupsIn(folder);
    for (qsizetype i = std::max(keep, 1); i < all.size(); ++i)
        ok = fs.remove(all[i]) && ok;
    // A backup cut short by a crash leaves its temporary behind; it is as large as a backup.
    static const QRegularExpression temporary(
        QStringLiteral("^Quorvix-.*\\.zip\\.(\\d+)\\.(qvtmp|qvold)$"));
    for (const QString& name : fs.entries(folder)) {
        const auto m = temporary.match(name);
        if (m.hasMatch() && !fs.processAlive(m.captured(1).toLongLong())) {
            const core::faults::Undoing tidying; // only tidiness
            fs.remove(joined(folder, name));
        }
    }
    return fs.syncFolder(folder) && ok;
}

BackupResult backupIntoFolder(const QString& folder, const QString& target, const QDateTime& when,
                              const QString& note, int keep, const Progress& progress,
                              const HeldRecordFiles& held) {
    if (!core::fileSystem().makeFolder(target)) {
        BackupResult r;
        r.reason = QStringLiteral("Impossibile creare la cartella %1.").arg(target);
        return r;
    }
    BackupResult r =
        writeBackup(folder, joined(target, backupFileName(target, when)), when, note, progress, held);
    // A failed rotation leaves one copy too many: nothing to report.
    if (r.ok && keep > 0) rotateBackups(target, keep);
    return r;
}

BackupSettings readBackupSettings(const QString& folder) {
    BackupSettings s;
    core::IniFile ini(joined(folder, kBackupSettingsFile));
    if (!ini.load()) return s;
    const auto number = [&](const char* key, int fallback, int low, int high) {
        bool ok = false;
        const int n = ini.value(kSettingsSection, QLatin1String(key)).trimmed().toInt(&ok);
        return ok && n >= low && n <= high ? n : fallback;
    };
    s.days = number("Giorni", s.days, 1, 365);
    s.keep = number("Conserva", s.keep, 1, 100);
    s.chosenFolder = ini.value(kSettingsSection, u"Cartella"_qs).trimmed();
    return s;
}

bool writeBackupSettings(const QString& folder, const BackupSettings& s) {
    return core::IniFile::update(joined(folder, kBackupSettingsFile), [&](core::IniFile& ini) {
        ini.setValue(kSettingsSection, u"Giorni"_qs, QString::number(s.days));
        ini.setValue(kSettingsSection, u"Conserva"_qs, QString::number(s.keep));
        // A folder name the file cannot hold exactly is not remembered rather than mangled.
        if (core::firstOutsideWin1252(s.chosenFolder) < 0)
            ini.setValue(kSettingsSection, u"Cartella"_qs, s.chosenFolder);
    });
}

bool backupDue(const QString& folder, int days, const QDate& today) {
    const QStringList all = backupsIn(joined(folder, kBackupFolder));
    if (all.isEmpty()) return true;
    const auto newest = backupNameDate(all.first().mid(all.first().lastIndexOf(u'/') + 1));
    return newest->first.date().daysTo(today) >= days;
}

} // namespace shell
