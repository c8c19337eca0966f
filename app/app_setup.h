#pragma once

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The program's icon, language and font: the same for the program and its picture taker.
inline void setUpApplication(QApplication& app) {
    QApplication::setQuitOnLastWindowClosed(false); // the windows decide when the program ends
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/logo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvix")); // ties windows to the entry
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Metric-compatible with Arial, which the layouts were drawn for.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    auto* qtItalian = new QTranslator(&app);
    if (qtItalian->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtItalian);
}
