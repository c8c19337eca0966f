#pragma once

#include "members/member_record.h"
#include "platform/context.h"

#include <QString>

#include <functional>
#include <vector>

namespace members {

// The hand-over of a picked member: the search and the picker return a record number, and the
// caller applies it through this table, keyed by the mode word of the opener.
//
// A mode either writes record fields into named controls of a long-lived window (edit fields
// and labels by objectName; the photo into a QLabel picture box), or, when its window has a
// loader of its own, calls `load` with the record number.
struct MemberPickMode {
    struct Assign {
        QString control;
        std::function<QString(const Member&)> value;
    };
    QString mode;   // "tessera"
    QString window; // "TfrmTessera"
    std::vector<Assign> fields;
    QString positionLabel; // "lblPosizione", or empty
    QString photoBox;      // "imgFoto", or empty
    std::function<bool(platform::Context&, qint64 number)> load;
};

// Every mode of the member search and of the members'-book picker.
const std::vector<MemberPickMode>& memberPickModes();
const MemberPickMode* findMemberPickMode(const QString& mode);

// Applies record `number` in `mode`. A mode that matches no row, a missing window or a record
// that cannot be read writes nothing (false).
bool applyMemberPick(platform::Context& ctx, const QString& mode, qint64 number);

// The member search in `mode` over `parent`, applying the pick. True when one was applied.
bool searchMember(platform::Context& ctx, QWidget* parent, const QString& mode);
// The members'-book picker in `mode` ("socio_a" ... "socio_d").
bool pickBookMember(platform::Context& ctx, QWidget* parent, const QString& mode);

} // namespace members
