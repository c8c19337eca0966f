#pragma once

#include "fake_platform.h"
#include "platform/text_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolButton>

namespace book_test {

inline void click(QWidget* root, const char* name) {
    if (auto* t = testing_support::child<QToolButton>(root, QLatin1String(name)))
        t->click();
    else
        testing_support::child<QPushButton>(root, QLatin1String(name))->click();
}

// Types each character as a key press carrying it (QTest only knows ASCII keys).
inline void typeText(QWidget* field, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

inline void pressKey(QWidget* field, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
}

// A double click on a line of a list window.
inline void doubleClick(QWidget* dialog, int row) {
    auto* list = dialog->findChild<platform::TextList*>(QStringLiteral("lstRecords"));
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

// The text of a rendered PDF, blanks collapsed; empty when pdftotext is not installed.
inline QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess p;
    p.start(tool, {path, QStringLiteral("-")});
    p.waitForFinished();
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    return text;
}

} // namespace book_test
