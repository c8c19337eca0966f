#include "members/member_archive.h"

#include "core/record_file.h"

#include <QDir>

#include <vector>

namespace members {

namespace {
Member toMember(qint64 n, const char* record) {
    return Member{n, memberLayout().loadAll(record)};
}
} // namespace

MemberArchive::MemberArchive(QString folder) : folder_(std::move(folder)) {}

QString MemberArchive::path() const { return QDir(folder_).filePath(kMemberFileName); }

std::optional<qint64> MemberArchive::count() const {
    core::RecordFile file(path(), kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read))
        return std::nullopt;
    const qint64 c = file.count();
    if (!file.close())
        return std::nullopt;
    return c;
}

std::optional<Member> MemberArchive::read(qint64 number) const {
    core::RecordFile file(path(), kMemberRecordLength);
    std::vector<char> buffer(kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read) || !file.read(number, buffer.data()))
        return std::nullopt;
    file.close();
    return toMember(number, buffer.data());
}

bool MemberArchive::scan(const std::function<bool(const Member&)>& visit) const {
    core::RecordFile file(path(), kMemberRecordLength);
    if (!file.open(core::RecordFile::Access::Read))
        return false;
    const bool ok = file.scan([&](qint64 n, const char* rec) { return visit(toMember(n, rec)); });
    return file.close() && ok;
}

std::optional<qint64> MemberArchive::save(qint64 number, const QStringList& values) const {
    core::RecordFile file(path(), kMemberRecordLength);
    if (!file.open())
        return std::nullopt;
    std::vector<char> buffer(kMemberRecordLength, 0);
    std::optional<qint64> written;
    if (number > 0) {
        // Start from the stored record so the bytes past each value stay as they were.
        if (file.read(number, buffer.data())) {
            memberLayout().storeAll(buffer.data(), values);
            if (file.overwrite(number, buffer.data()))
                written = number;
        }
    } else {
        memberLayout().storeAll(buffer.data(), values);
        written = file.append(buffer.data());
    }
    if (!file.close())
        return std::nullopt;
    return written;
}

} // namespace members
