#pragma once

#include "book/page_record.h"

#include <QFile>
#include <QString>

#include <initializer_list>
#include <utility>

namespace book_test {

// A page with the heading filled and the given fields set, by field index.
inline book::PageValues page(std::initializer_list<std::pair<int, QString>> fields) {
    book::PageValues p = book::emptyPage();
    p[book::Numero] = QStringLiteral("7");
    p[book::Denominazione] = QStringLiteral("Circolo Culturale Il Faro");
    p[book::CodFisc] = QStringLiteral("97012340583");
    for (const auto& [field, text] : fields)
        p[field] = text;
    return p;
}

// A register with these pages, written through the archive layer. Returns its path.
inline QString writeRegister(const QString& folder, const QString& fileName,
                             std::initializer_list<book::PageValues> pages) {
    const QString path = folder + u'/' + fileName;
    QFile(path).open(QIODevice::WriteOnly); // the register exists even without pages
    const core::Archive archive = book::pageArchive(path);
    for (const book::PageValues& p : pages)
        archive.save(0, p);
    return path;
}

constexpr int A(book::RowField f) {
    return book::rowField(0, f);
}
constexpr int B(book::RowField f) {
    return book::rowField(1, f);
}

} // namespace book_test
