#include "book/page_record.h"

#include <QFileInfo>

namespace book {

const core::RecordLayout& pageLayout() {
    static const core::RecordLayout layout(kPageFields);
    return layout;
}

core::Archive pageArchive(const QString& path) {
    const QFileInfo info(path);
    return core::Archive(info.absolutePath(), info.fileName(), pageLayout());
}

QChar rowLetter(int row) {
    return QChar(u'A' + row);
}

QString rowSuffix(int row) {
    return QString(u'_') + rowLetter(row);
}

QString controlName(int field) {
    const QLatin1String name(kPageFields[field].name);
    return (field < kFirstAttachment ? u"txt"_qs : u"lbl"_qs) + name;
}

PageValues emptyPage() {
    PageValues page;
    page.reserve(kPageFieldCount);
    for (int i = 0; i < kPageFieldCount; ++i)
        page << QString();
    return page;
}

} // namespace book
