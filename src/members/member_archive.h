#pragma once

#include "core/archive.h"
#include "members/member_record.h"

#include <functional>
#include <optional>
#include <vector>

namespace members {

// Tesserati.pro as members: the generic archive with the member field table.
class MemberArchive {
public:
    explicit MemberArchive(QString folder);

    const core::Archive& archive() const { return archive_; }

    QString path() const;
    std::optional<qint64> count() const;
    std::optional<Member> read(qint64 number) const;
    // Every record in file order; the visitor returns false to stop early. False on a failure.
    bool scan(const std::function<bool(const Member&)>& visit) const;
    // Saves `values` over record `number`, or appends when number is 0. Returns the number
    // written, nullopt on failure. Bytes beyond each field's text keep the old record's.
    std::optional<qint64> save(qint64 number, const QStringList& values) const;

private:
    core::Archive archive_;
};

} // namespace members
