#pragma once

#include "members/member_record.h"
#include "platform/context.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace members {

// The member search in `mode` over `parent`: the record number the user picked, if any.
std::optional<qint64> searchMemberNumber(platform::Context& ctx, QWidget* parent,
                                         const QString& mode);
// The members'-book picker in `mode` ("socio_a" ... "socio_d").
std::optional<qint64> pickBookMemberNumber(platform::Context& ctx, QWidget* parent,
                                           const QString& mode);

// The same, with the picked record read whole. Nothing when the user picked nothing or the
// record cannot be read (the caller then changes nothing).
std::optional<Member> searchMember(platform::Context& ctx, QWidget* parent, const QString& mode);
std::optional<Member> pickBookMember(platform::Context& ctx, QWidget* parent, const QString& mode);

// One row of a caller's hand-over table: its control <- a member field. Each window that
// imports members owns its table, beside its other bindings.
struct MemberTake {
    const char* control;
    MemberField field;
};
// Writes the member's fields into the named edit fields or labels of `window`, whole even where a
// field's typing limit is shorter; `suffix` is
// appended to every control name (the card slots "_A".."_I", the register rows "_A".."_D").
void applyMember(QWidget* window, const Member& member, std::span<const MemberTake> table,
                 const QString& suffix = {});

// The address of a members'-book row: street, postcode, town and province, one blank between
// them even when one is empty.
QString bookAddress(const Member& member);

} // namespace members
