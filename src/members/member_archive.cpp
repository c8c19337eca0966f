#include "members/member_archive.h"

namespace members {

MemberArchive::MemberArchive(QString folder)
    : archive_(std::move(folder), kMemberFileName, memberLayout()) {}

QString MemberArchive::path() const { return archive_.path(); }

std::optional<qint64> MemberArchive::count() const { return archive_.count(); }

std::optional<Member> MemberArchive::read(qint64 number) const {
    auto values = archive_.read(number);
    if (!values) return std::nullopt;
    return Member{number, std::move(*values)};
}

bool MemberArchive::scan(const std::function<bool(const Member&)>& visit) const {
    return archive_.scan([&](qint64 n, const char* rec) {
        return visit(Member{n, memberLayout().loadAll(rec)});
    });
}

std::optional<qint64> MemberArchive::save(qint64 number, const QStringList& values) const {
    return archive_.save(number, values);
}

} // namespace members
