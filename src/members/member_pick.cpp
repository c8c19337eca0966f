#include "members/member_pick.h"

#include "members/frm_importa_soci.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_archive.h"

#include <QLabel>
#include <QLineEdit>

namespace members {

namespace {

template <class Dialog>
std::optional<qint64> pickWith(platform::Context& ctx, QWidget* parent, const QString& mode) {
    Dialog dialog(ctx, parent, mode);
    if (ctx.platform.runModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.pickedRecord();
}

std::optional<Member> readPicked(platform::Context& ctx, std::optional<qint64> number) {
    if (!number) return std::nullopt;
    return MemberArchive(ctx.folder).read(*number);
}

} // namespace

std::optional<qint64> searchMemberNumber(platform::Context& ctx, QWidget* parent,
                                         const QString& mode) {
    return pickWith<TfrmTrovaAnagrafica>(ctx, parent, mode);
}

std::optional<qint64> pickBookMemberNumber(platform::Context& ctx, QWidget* parent,
                                           const QString& mode) {
    return pickWith<TfrmImportaSoci>(ctx, parent, mode);
}

std::optional<Member> searchMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    return readPicked(ctx, searchMemberNumber(ctx, parent, mode));
}

std::optional<Member> pickBookMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    return readPicked(ctx, pickBookMemberNumber(ctx, parent, mode));
}

void applyMember(QWidget* window, const Member& member, std::span<const MemberTake> table,
                 const QString& suffix) {
    for (const MemberTake& t : table) {
        const QString name = QLatin1String(t.control) + suffix;
        if (auto* edit = window->findChild<QLineEdit*>(name)) {
            // A limited field would cut a longer value silently: show it whole and let the
            // window's save checks decide.
            const QString& value = member[t.field];
            if (value.size() > edit->maxLength()) edit->setMaxLength(int(value.size()));
            edit->setText(value);
        }
        else if (auto* label = window->findChild<QLabel*>(name))
            label->setText(member[t.field]);
    }
}

QString bookAddress(const Member& m) {
    return m[IndirizzoRes] + u' ' + m[CapRes] + u' ' + m[ComuneRes] + u' ' + m[ProvRes];
}

} // namespace members
