#pragma once

#include "members/member_archive.h"
#include "members/member_record.h"
#include "platform/text_list.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace member_fixture {

// A member's 35 values: an active card unless told otherwise, the given fields set.
inline QStringList
memberValues(std::initializer_list<std::pair<members::MemberField, QString>> set) {
    QStringList v;
    for (int i = 0; i < members::MemberFieldCount; ++i)
        v << QString();
    v[members::Annullata] = members::kNo;
    v[members::Preavviso] = QStringLiteral("0");
    for (const auto& [f, text] : set)
        v[f] = text;
    return v;
}

inline qint64 addMember(const QString& folder,
                        std::initializer_list<std::pair<members::MemberField, QString>> set) {
    return *members::MemberArchive(folder).save(0, memberValues(set));
}

// Appends raw bytes as one record (a damaged record written by other software).
inline void appendRaw(const QString& folder, const QByteArray& record) {
    QFile f(members::MemberArchive(folder).path());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(record);
}

// The list of a list window, and a double click on one of its lines.
inline platform::TextList* listOf(QWidget* w) {
    return w->findChild<platform::TextList*>(QStringLiteral("lstRecords"));
}

inline void doubleClick(platform::TextList* list, int row) {
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

} // namespace member_fixture
