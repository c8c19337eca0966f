#include "core/multi_file_commit.h"

#include "core/file_faults.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <set>

namespace core {

namespace {

constexpr char kGroupMagic[8] = {'Q', 'V', 'J', 'R', 'N', 'G', '0', '1'};
// Changed bytes closer than this share one span: fewer pieces, hardly more bytes.
constexpr int kSpanGap = 16;

struct Span {
    qint64 offset;
    QByteArray oldBytes;
    QByteArray newBytes;
};

template <typename T>
void put(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
bool take(const QByteArray& in, qint64& at, T& value) {
    if (at < 0 || in.size() - at < qint64(sizeof value)) return false;
    std::memcpy(&value, in.constData() + at, sizeof value);
    at += sizeof value;
    return true;
}

// magic, group name (4 + UTF-8, beside the file), old length (8), span count (4),
// spans (offset 8, length 4, old bytes), checksum of all before it (4).
QByteArray groupJournal(const QString& groupName, qint64 oldLength, const std::vector<Span>& spans) {
    QByteArray j(kGroupMagic, 8);
    const QByteArray name = groupName.toUtf8();
    put(j, qint32(name.size()));
    j.append(name);
    put(j, oldLength);
    put(j, qint32(spans.size()));
    for (const Span& s : spans) {
        put(j, s.offset);
        put(j, qint32(s.oldBytes.size()));
        j.append(s.oldBytes);
    }
    put(j, journalChecksum(j.constData(), j.size()));
    return j;
}

struct ParsedJournal {
    QString groupName;
    qint64 oldLength = 0;
    std::vector<std::pair<qint64, QByteArray>> spans; // offset, old bytes
};

std::optional<ParsedJournal> parseGroupJournal(const QByteArray& j) {
    if (j.size() < 8 + 4 || std::memcmp(j.constData(), kGroupMagic, 8) != 0) return std::nullopt;
    const qint64 body = j.size() - 4;
    quint32 sum = 0;
    std::memcpy(&sum, j.constData() + body, 4);
    if (sum != journalChecksum(j.constData(), body)) return std::nullopt;
    const QByteArray content = j.left(body);
    ParsedJournal p;
    qint64 at = 8;
    qint32 nameLength = 0, count = 0;
    if (!take(content, at, nameLength) || nameLength <= 0 || content.size() - at < nameLength)
        return std::nullopt;
    p.groupName = QString::fromUtf8(content.constData() + at, nameLength);
    at += nameLength;
    if (!take(content, at, p.oldLength) || p.oldLength < 0 || !take(content, at, count) ||
        count < 0)
        return std::nullopt;
    for (qint32 i = 0; i < count; ++i) {
        qint64 offset = 0;
        qint32 length = 0;
        if (!take(content, at, offset) || !take(content, at, length) || length <= 0 ||
            offset < 0 || content.size() - at < length || offset > p.oldLength - length)
            return std::nullopt;
        p.spans.emplace_back(offset, content.mid(at, length));
        at += length;
    }
    if (at != content.size()) return std::nullopt;
    // Group names are plain names beside the file: never a path elsewhere.
    if (p.groupName.contains(u'/') || p.groupName.contains(u'\\') || p.groupName.startsWith(u'.'))
        return std::nullopt;
    return p;
}

QString besideFile(const QString& path, const QString& name) {
    const QString folder = folderOf(path);
    return folder == QStringLiteral(".") ? name : folder + u'/' + name;
}

// The runs of bytes that differ between two records, close runs joined.
void changedSpans(qint64 base, const QByteArray& oldRecord, const QByteArray& newRecord,
                  std::vector<Span>& out) {
    const qint64 n = oldRecord.size();
    qint64 i = 0;
    while (i < n) {
        if (oldRecord[i] == newRecord[i]) {
            ++i;
            continue;
        }
        qint64 end = i + 1, same = 0;
        for (qint64 k = end; k < n && same < kSpanGap; ++k) {
            if (oldRecord[k] != newRecord[k]) {
                end = k + 1;
                same = 0;
            } else {
                ++same;
            }
        }
        out.push_back({base + i, oldRecord.mid(i, end - i), newRecord.mid(i, end - i)});
        i = end;
    }
}

QString newGroupId() {
    static std::atomic<int> counter{0};
    return QStringLiteral("%1-%2-%3")
        .arg(fileSystem().processId())
        .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36)
        .arg(counter++);
}

// Empties and removes a journal; its name may outlive a power cut, an empty journal means
// nothing.
bool clearJournalFile(const QString& path) {
    FileSystem& fs = fileSystem();
    const QString jpath = RecordFile::journalPath(path);
    auto j = fs.open(jpath, FileSystem::Open::ReadWrite);
    if (!j || !j->resize(0) || !j->sync()) return false;
    j.reset();
    fs.remove(jpath);
    return true;
}

// Groups of an earlier step over these files that a killed process left before any journal
// named them. Every file they list is locked here and was recovered when opened, so no journal
// names them any more; an empty group means what a missing one does.
template <typename Plans>
void removeStaleGroups(const QString& firstPath, const Plans& plans) {
    FileSystem& fs = fileSystem();
    const QString prefix = QFileInfo(firstPath).fileName() + u'.';
    QStringList ours;
    for (const auto& p : plans)
        ours << QFileInfo(p.file->path()).fileName();
    for (const QString& name : fs.entries(folderOf(firstPath))) {
        if (!name.startsWith(prefix) || !name.endsWith(QStringLiteral(".grp"))) continue;
        const QString path = besideFile(firstPath, name);
        QByteArray content;
        if (!readWholeFile(path, content)) continue;
        // A list cut short or zeroed was never synced, so no journal was ever written for it.
        const bool whole = content.isEmpty() ||
                           (content.endsWith('\n') &&
                            std::none_of(content.begin(), content.end(), [](char c) {
                                return c != '\n' && static_cast<unsigned char>(c) < 0x20;
                            }));
        bool listedAreOurs = true;
        for (const QByteArray& listed : content.split('\n'))
            listedAreOurs = listedAreOurs &&
                            (listed.isEmpty() || ours.contains(QString::fromUtf8(listed)));
        if (!whole || listedAreOurs) fs.remove(path);
    }
}

} // namespace

QString MultiFileCommit::groupPath(const QString& firstPath, const QString& id) {
    return firstPath + u'.' + id + QStringLiteral(".grp");
}

MultiFileCommit::Part& MultiFileCommit::partOf(RecordFile& file) {
    for (Part& p : parts_)
        if (p.file == &file) return p;
    parts_.push_back(Part{&file, {}, {}});
    return parts_.back();
}

void MultiFileCommit::overwrite(RecordFile& file, qint64 n, const char* record) {
    partOf(file).overwrites.emplace_back(n, QByteArray(record, file.recordLength()));
}

void MultiFileCommit::append(RecordFile& file, const char* record) {
    partOf(file).appends.append(record, file.recordLength());
}

bool MultiFileCommit::commit() {
    std::vector<Part> parts = std::move(parts_);
    parts_.clear();
    if (parts.empty()) return true;
    std::sort(parts.begin(), parts.end(),
              [](const Part& a, const Part& b) { return a.file->path() < b.file->path(); });
    FileSystem& fs = fileSystem();

    struct Plan {
        RecordFile* file;
        File* raw;
        qint64 oldLength; // where an undo cuts the file back to
        qint64 start;     // where the appends go
        std::vector<Span> spans;
        const QByteArray* appends;
    };
    std::vector<Plan> plans;
    for (Part& part : parts) {
        RecordFile& f = *part.file;
        if (!f.file_ || !f.writable_) return false;
        const int length = f.recordLength();
        const qint64 count = f.count();
        const qint64 size = f.file_->size();
        if (size < 0) return false;
        Plan plan{&f, f.file_.get(), part.appends.isEmpty() ? size : count * length,
                  count * length, {}, &part.appends};
        // The same record staged twice ends as the last image, against the bytes on disk.
        std::map<qint64, QByteArray> last;
        for (auto& [n, bytes] : part.overwrites) {
            if (n < 1 || n > count) return false;
            last[n] = bytes;
        }
        QByteArray old(length, '\0');
        for (const auto& [n, bytes] : last) {
            if (plan.raw->read((n - 1) * length, old.data(), length) != length) return false;
            changedSpans((n - 1) * length, old, bytes, plan.spans);
        }
        plans.push_back(std::move(plan));
    }

    const QString folder = folderOf(plans.front().file->path());
    for (const Plan& p : plans)
        if (folderOf(p.file->path()) != folder) return false; // groups name files beside them
    removeStaleGroups(plans.front().file->path(), plans);

    // 1. The group, durable with its name before any journal names it.
    const QString group = groupPath(plans.front().file->path(), newGroupId());
    const QString groupName = QFileInfo(group).fileName();
    QByteArray groupContent;
    for (const Plan& p : plans)
        groupContent += QFileInfo(p.file->path()).fileName().toUtf8() + '\n';
    std::unique_ptr<File> groupFile = fs.open(group, FileSystem::Open::CreateNew);
    if (!groupFile || !groupFile->write(0, groupContent.constData(), groupContent.size()) ||
        !groupFile->sync() || !fs.syncFolder(folderOf(group))) {
        const faults::Undoing tidying;
        groupFile.reset();
        fs.remove(group);
        return false;
    }

    // 2. Every journal on disk before any file is touched.
    size_t journalled = 0;
    bool ok = true;
    std::set<QString> folders;
    for (const Plan& p : plans) {
        const QByteArray image = groupJournal(groupName, p.oldLength, p.spans);
        auto j = fs.open(RecordFile::journalPath(p.file->path()), FileSystem::Open::Truncate);
        ++journalled; // a failed open may still have left a name
        if (!j || !j->write(0, image.constData(), image.size()) || !j->sync()) {
            ok = false;
            break;
        }
        folders.insert(folderOf(p.file->path()));
    }
    for (const QString& folder : folders)
        ok = ok && fs.syncFolder(folder);
    if (!ok) {
        // Nothing written yet: the journals go, then the group.
        const faults::Undoing tidying;
        for (size_t i = 0; i < journalled; ++i)
            fs.remove(RecordFile::journalPath(plans[i].file->path()));
        groupFile.reset();
        fs.remove(group);
        return false;
    }

    // 3. The files.
    for (const Plan& p : plans) {
        for (const Span& s : p.spans)
            ok = ok && p.raw->write(s.offset, s.newBytes.constData(), s.newBytes.size());
        if (!p.appends->isEmpty())
            ok = ok && p.raw->write(p.start, p.appends->constData(), p.appends->size());
        ok = ok && p.raw->sync();
        if (!ok) break;
    }

    // 4. The commit point.
    if (ok) {
        ok = groupFile->resize(0);
        if (ok && !groupFile->sync()) {
            // Cut but maybe not durable: put the content back, so the failure reported is
            // the outcome the next open sees.
            const faults::Undoing undoing;
            if (groupFile->write(0, groupContent.constData(), groupContent.size()))
                groupFile->sync();
            ok = false;
        }
    }
    groupFile.reset();

    if (!ok) {
        // Undo now; whatever fails here stays journalled for the next open.
        bool undone = true;
        for (const Plan& p : plans) {
            bool fileUndone = true;
            for (const Span& s : p.spans)
                fileUndone = fileUndone && p.raw->write(s.offset, s.oldBytes.constData(),
                                                        s.oldBytes.size());
            const qint64 size = p.raw->size();
            fileUndone = fileUndone && size >= 0 &&
                         (size <= p.oldLength || p.raw->resize(p.oldLength)) && p.raw->sync() &&
                         clearJournalFile(p.file->path());
            undone = undone && fileUndone;
        }
        if (undone) fs.remove(group);
        return false;
    }

    // 5. Committed: what is left is tidying, and a journal left here names an empty group.
    for (const Plan& p : plans)
        clearJournalFile(p.file->path());
    fs.remove(group);
    return true;
}

namespace detail {

std::optional<bool> settleGroupJournal(File& file, const QString& path,
                                       const QByteArray& journal) {
    if (journal.size() < 8 || std::memcmp(journal.constData(), kGroupMagic, 8) != 0)
        return std::nullopt;
    const auto parsed = parseGroupJournal(journal);
    // Torn or not ours: journals are whole on disk before any file is touched.
    if (!parsed) return true;
    FileSystem& fs = fileSystem();
    const QString group = besideFile(path, parsed->groupName);
    // A group is removed only once empty, and empty means committed.
    if (fs.kind(group) == FileSystem::Kind::Missing) return true;
    QByteArray content;
    if (!readWholeFile(group, content)) return false;
    if (content.isEmpty()) {
        fs.remove(group); // committed: nothing names it any more that needs it
        return true;
    }
    for (const auto& [offset, bytes] : parsed->spans)
        if (!file.write(offset, bytes.constData(), bytes.size())) return false;
    const qint64 size = file.size();
    if (size < 0 || (size > parsed->oldLength && !file.resize(parsed->oldLength)) || !file.sync())
        return false;
    // The last part undone takes the group with it. Removing it early is safe too: this file
    // is old already, and a group missing means there is nothing left to undo.
    const QString own = QFileInfo(path).fileName();
    bool othersSettled = true;
    for (const QByteArray& name : content.split('\n')) {
        const QString other = QString::fromUtf8(name);
        if (!other.isEmpty() && other != own && !other.contains(u'/') &&
            fs.kind(RecordFile::journalPath(besideFile(path, other))) != FileSystem::Kind::Missing)
            othersSettled = false;
    }
    if (othersSettled) fs.remove(group);
    return true;
}

} // namespace detail

} // namespace core
