#include "app_setup.h"
#include "core/record_file.h"
#include "platform/qt_platform.h"
#include "shell/backup_close.h"
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
    if (!shell::finishRestoreAtStart(ctx)) return 1;
    ctx.actions.reloadWindows = [&] {
        const QList<QWidget*> old = windows.all();
        for (QWidget* w : old)
            w->hide();
        qDeleteAll(old);
        windows = platform::WindowSet{};
        createWindows(ctx);
        windows.find(QStringLiteral("TfrmPassword"))->show();
    };
    createWindows(ctx);
    // Told once the user's action is over, not while its file is open and locked.
    core::setJournalNotice([&ctx](const QString& path) {
        QMetaObject::invokeMethod(
            qApp,
            [&ctx, path] {
                ctx.platform.message(QApplication::activeWindow(), platform::MsgKind::Warning,
                                     core::journalSetAsideMessage(path));
            },
            Qt::QueuedConnection);
    });

    windows.find(QStringLiteral("TfrmPassword"))->show();
    const int rc = QApplication::exec();
    shell::backupOnClose(ctx);
    qDeleteAll(windows.all());
    return rc;
}
