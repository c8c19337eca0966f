// The whole program around one list window, timed from outside by bench/run as a process:
// starts the application as the program does, builds the Context and every long-lived window
// over a program folder, opens the list window under its owner, fills it, waits until it is
// painted and exits.
//
//   prog_list_window <window> <folder>       prints "<window> <rows shown>"
//   prog_list_window --make <folder> <n>     writes a program folder of n records per file
//   prog_list_window --names                 the windows it knows, one a line
#include "list_windows.h"

#include "app_setup.h"
#include "platform/qt_platform.h"
#include "windows.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first == u"--names"_qs) {
        for (const bench::ListWindow& w : bench::kListWindows)
            std::printf("%s\n", w.name);
        return 0;
    }
    if (first == u"--make"_qs && argc == 4)
        return bench::writeProgramFolder(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) ? 0
                                                                                              : 1;
    const bench::ListWindow* window = bench::findListWindow(first);
    if (!window || argc != 3) {
        std::fprintf(stderr, "usage: %s <window> <folder> | --make <folder> <n> | --names\n",
                     argv[0]);
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{QString::fromLocal8Bit(argv[2]), desktop, windows};
    createWindows(ctx);
    if (window->owner && !windows.find(QString::fromLatin1(window->owner)))
        std::fprintf(stderr, "no window %s: %s opens without its owner\n", window->owner,
                     window->name);
    bench::failOnMessages();
    {
        const bench::OpenedList opened = bench::openListWindow(ctx, *window);
        std::printf("%s %lld\n", window->name, static_cast<long long>(opened.rows()));
    }
    qDeleteAll(windows.all()); // as the program ends
    return 0;
}
