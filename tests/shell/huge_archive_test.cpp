// A record file whose size claims hundreds of millions of records (a damaged or sparse file):
// the windows say they cannot use it at once, and never count or scan what is not there.
#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_record.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "files.h"
#include "members/frm_anagrafica.h"
#include "members/member_record.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace {

struct Window {
    const char* name;
    QString file;
    std::function<void(platform::Context&, const QString& path)> browse;
};

} // namespace

TEST(HugeArchive, WindowsShowTheAccessMessageAtOnce) {
    const Window windows[] = {
        {"members", members::kMemberFileName,
         [](platform::Context& ctx, const QString&) {
             members::TfrmAnagrafica w(ctx);
             w.last();
             w.goToRecord();
         }},
        {"movements", cashbook::yearFileName(u"2026"_qs),
         [](platform::Context& ctx, const QString& path) {
             cashbook::TfrmMovimenti w(ctx);
             w.openYear(path, u"2026"_qs);
             w.last();
             w.first();
         }},
    };
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        testing_support::Harness h;
        const QString path = h.path(window.file);
        testing_support::writeFile(path, QByteArray(4096, 'x'));
        // 397,797,261 records of 2764 bytes: a sparse file of about 1 TB.
        if (::truncate(QFile::encodeName(path).constData(), qint64(397797261) * 2764) != 0)
            GTEST_SKIP() << "this file system takes no sparse file of 1 TB";
        QElapsedTimer clock;
        clock.start();
        window.browse(h.ctx, path);
        EXPECT_LT(clock.elapsed(), 1000);
        ASSERT_FALSE(h.fake.messages.empty());
        for (const auto& m : h.fake.messages)
            EXPECT_EQ(m.text, core::archiveAccessMessage());
    }
}
