// Peak memory of the member search window holding every member of a generated archive:
// prints "SearchWindowPeakMemory <members> <peak kB>". Run by bench/run.
#include "../generated_archive.h"
#include "peak_memory.h"

#include "members/frm_trova_anagrafica.h"
#include "platform/qt_platform.h"
#include "platform/text_list.h"
#include "platform/window_set.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int members = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    if (!bench::writeMemberArchive(dir.path(), members)) return 1;

    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{dir.path(), desktop, windows};
    members::TfrmTrovaAnagrafica search(ctx, nullptr, QStringLiteral("anagrafica"));
    search.show();
    QApplication::processEvents();
    search.findChild<QPushButton*>(QStringLiteral("btnCerca"))->click();
    QApplication::processEvents(); // the list shown and painted
    const auto* list = search.findChild<platform::TextList*>(QStringLiteral("lstRecords"));
    std::printf("SearchWindowPeakMemory %d %ld %lld\n", members, bench::peakKilobytes(),
                static_cast<long long>(list ? list->count() : -1));
    return 0;
}
