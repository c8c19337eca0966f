#pragma once

#include "cards/card_settings.h"
#include "fake_platform.h"
#include "members/member_archive.h"
#include "members/member_photo.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace cards_test {

using testing_support::child;

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

// A picture with a recognisable size and a coloured body.
inline QImage picture(int w, int h, QColor colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

inline void writeIni(const testing_support::Harness& h, const QByteArray& content) {
    QFile f(h.path(cards::kSettingsFileName));
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline QString labelText(const QWidget* root, const QString& name) {
    return root->findChild<QLabel*>(name)->text();
}

} // namespace cards_test
