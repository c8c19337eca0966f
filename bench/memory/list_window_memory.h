// Peak memory of one list window holding a generated file: prints
// "<label> <records> <peak kB> <rows shown>". Arguments: the number of records (100,000 when
// none) and, optionally, a folder already generated with that many (bench/run passes its own);
// otherwise only the file the window reads is written to a temporary folder.
#pragma once

#include "../program/list_windows.h"
#include "peak_memory.h"

#include "platform/qt_platform.h"
#include "platform/window_set.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace bench {

inline int measureListWindow(int argc, char** argv, const char* label, const char* name) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const ListWindow* window = findListWindow(QString::fromLatin1(name));
    if (!window) return 2;
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir made;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : made.path();
    if (argc <= 2 && !window->write(folder, records)) return 1;

    failOnMessages();
    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{folder, desktop, windows};
    const OpenedList opened = openListWindow(ctx, *window);
    std::printf("%s %d %ld %lld\n", label, records, peakKilobytes(),
                static_cast<long long>(opened.rows()));
    return 0;
}

} // namespace bench
