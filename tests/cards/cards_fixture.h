#pragma once

#include "cards/card_settings.h"
#include "fake_platform.h"
#include "files.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "pictures.h"
#include "qt_print.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

namespace cards_test {

using testing_support::child;
using testing_support::fileBytes;
using testing_support::picture;

// A member record with the card fields set and the rest empty.
inline QStringList memberValues(const QString& name, const QString& role = QStringLiteral("Socio"),
                                const QString& number = QStringLiteral("T-001")) {
    QStringList v;
    for (int i = 0; i < members::MemberFieldCount; ++i)
        v << QString();
    v[members::Tesserato] = name;
    v[members::Carica] = role;
    v[members::NumTessera] = number;
    v[members::DataRil] = QStringLiteral("01/01/2026");
    v[members::DataScade] = QStringLiteral("31/12/2026");
    v[members::Preavviso] = QStringLiteral("0");
    v[members::Annullata] = members::kNo;
    return v;
}

inline void addMembers(const testing_support::Harness& h, const QStringList& names) {
    for (const QString& n : names)
        members::MemberArchive(h.ctx.folder).save(0, memberValues(n));
}

inline void writeIni(const testing_support::Harness& h, const QByteArray& content) {
    testing_support::writeFile(h.path(cards::kSettingsFileName), content);
}

inline QString labelText(const QWidget* root, const QString& name) {
    return root->findChild<QLabel*>(name)->text();
}

} // namespace cards_test
