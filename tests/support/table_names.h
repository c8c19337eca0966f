#pragma once

#include <QObject>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

#include <span>

namespace testing_support {

// The names a window's table gives (the `name` column of every row, with each suffix) that
// no control of `window` carries. Rows without a name (nullptr) name nothing.
template <class Row, size_t N>
QStringList missingNames(const QObject* window, const Row (&table)[N], const char* Row::*name,
                         const QStringList& suffixes = {QString()}) {
    QStringList missing;
    for (const Row& row : std::span(table)) {
        if (!(row.*name)) continue;
        for (const QString& suffix : suffixes) {
            const QString control = QLatin1String(row.*name) + suffix;
            if (!window->findChild<QWidget*>(control)) missing << control;
        }
    }
    return missing;
}

// The picture buttons of `window` whose artwork did not load (a mistyped name in a toolbar or
// side-button table only shows an empty button).
inline QStringList blankPictures(const QWidget* window) {
    QStringList blank;
    for (const QToolButton* b : window->findChildren<QToolButton*>())
        if (!b->objectName().startsWith(u"qt_") && b->icon().pixmap(16, 16).isNull())
            blank << b->objectName(); // Qt's own buttons (the calendar's) carry text
    return blank;
}

} // namespace testing_support
