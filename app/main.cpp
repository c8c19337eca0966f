#include "platform/qt_platform.h"
#include "shell/frm_guida.h"
#include "windows.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the windows decide when the program ends
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/logo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvix")); // ties windows to the entry
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Metric-compatible with Arial, which the layouts were drawn for.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{QApplication::applicationDirPath(), desktop, windows};
    desktop.setHelpWindow([&ctx](QWidget* owner, const platform::HelpTopic& topic) {
        shell::TfrmGuida help(ctx, owner);
        help.setTopic(topic.title, topic.paragraphs);
        ctx.platform.runModal(help);
    });
    createWindows(ctx);

    windows.find(QStringLiteral("TfrmPassword"))->show();
    const int rc = QApplication::exec();
    qDeleteAll(windows.all());
    return rc;
}
