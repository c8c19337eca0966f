#include "app_setup.h"
#include "platform/qt_platform.h"
#include "shell/frm_guida.h"
#include "windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);

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
