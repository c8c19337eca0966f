#pragma once

#include "fake_platform.h"
#include "keys.h"
#include "pdf_text.h"
#include "platform/text_list.h"

#include <QPushButton>
#include <QToolButton>

namespace book_test {

inline void click(QWidget* root, const char* name) {
    if (auto* t = testing_support::child<QToolButton>(root, QLatin1String(name)))
        t->click();
    else
        testing_support::child<QPushButton>(root, QLatin1String(name))->click();
}

// A double click on a line of a list window.
inline void doubleClick(QWidget* dialog, int row) {
    auto* list = dialog->findChild<platform::TextList*>(QStringLiteral("lstRecords"));
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

// The text of a rendered PDF, blanks collapsed; empty when pdftotext is not installed.
inline QString pdfText(const QString& path) {
    return testing_support::collapseBlanks(testing_support::pdfText(path));
}

} // namespace book_test
