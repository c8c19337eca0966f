// A failure injected at every step of a member save, once and for good: the right message, the
// window as it was, and every byte of every other record and file unchanged.
#include "core/file_faults.h"
#include "core/record_file.h"
#include "files.h"
#include "member_window_fixture.h"
#include "members/member_archive.h"
#include "members/member_photo.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace members;
using namespace members_test;

namespace {

std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        files[name] = testing_support::fileBytes(QDir(folder).filePath(name));
    }
    return files;
}

QByteArray recordBytes(const QByteArray& file, int n) {
    return file.mid((n - 1) * kMemberRecordLength, kMemberRecordLength);
}

void seed(MemberWindow& m) {
    MemberArchive archive(m.h.dir.path());
    for (int i = 1; i <= 3; ++i) {
        QStringList v(MemberFieldCount);
        v[Tesserato] = QStringLiteral("Socio %1").arg(i);
        v[DataRil] = QStringLiteral("01/01/2026");
        v[DataScade] = QStringLiteral("31/12/2026");
        v[Preavviso] = QStringLiteral("0");
        v[Annullata] = kNo;
        ASSERT_TRUE(archive.save(0, v));
        QImage img(40, 50, QImage::Format_RGB32);
        img.fill(QColor(10 * i, 100, 200));
        ASSERT_TRUE(writeJpeg(m.h.path(photoFileName(i)), img));
    }
}

} // namespace

TEST(SaveFaults, EveryStepOfAppendAndOverwrite) {
    const QString accessError = core::archiveAccessMessage();
    for (const bool overwrite : {false, true}) {
        for (const bool persistent : {false, true}) {
            bool completed = false;
            for (int step = 1; step < 60 && !completed; ++step) {
                SCOPED_TRACE(testing::Message()
                             << (overwrite ? "overwrite" : "append")
                             << (persistent ? " for good" : " once") << ", failing step " << step);
                MemberWindow m;
                seed(m);
                if (overwrite)
                    ASSERT_TRUE(m.w->loadRecord(2));
                else
                    m.w->newSheet();
                m.fillValid(QStringLiteral("Nuovo Nome"));
                QImage fresh(30, 30, QImage::Format_RGB32);
                fresh.fill(Qt::red);
                m.w->importPhoto(fresh);
                const QString labelBefore = m.position();
                const QStringList valuesBefore = m.w->values();
                const auto before = snapshot(m.h.dir.path());
                m.h.fake.messages.clear();

                core::faults::arm(step, persistent);
                m.save();
                completed = core::faults::steps() < step; // the fault never hit
                core::faults::disarm();

                ASSERT_FALSE(m.h.fake.messages.empty());
                MemberArchive(m.h.dir.path()).count(); // the next open recovers a journal
                const auto after = snapshot(m.h.dir.path());
                const QByteArray& archiveBefore = before.at(kMemberFileName);
                const QByteArray& archiveAfter = after.at(kMemberFileName);
                const int target = overwrite ? 2 : 4;
                for (int n = 1; n <= 3; ++n) {
                    if (n != target) {
                        EXPECT_EQ(recordBytes(archiveAfter, n), recordBytes(archiveBefore, n))
                            << "record " << n;
                    }
                }
                for (const auto& [name, bytes] : before) {
                    if (name != kMemberFileName && name != photoFileName(target)) {
                        EXPECT_EQ(after.at(name), bytes) << name.toStdString();
                    }
                }
                for (const auto& [name, bytes] : after) {
                    EXPECT_TRUE(before.count(name) || name == photoFileName(target) ||
                                name == kMemberFileName)
                        << "stray file " << name.toStdString();
                }

                if (m.lastText() == accessError) {
                    EXPECT_EQ(m.h.fake.lastMessage().kind, platform::MsgKind::Error);
                    EXPECT_EQ(m.position(), labelBefore);
                    EXPECT_EQ(m.w->values(), valuesBefore);
                    EXPECT_EQ(archiveAfter.size(), archiveBefore.size());
                    if (overwrite) {
                        EXPECT_EQ(recordBytes(archiveAfter, 2), recordBytes(archiveBefore, 2));
                    }
                } else {
                    EXPECT_EQ(m.position(), QString::number(target));
                    const auto saved = MemberArchive(m.h.dir.path()).read(target);
                    ASSERT_TRUE(saved);
                    EXPECT_EQ((*saved)[Tesserato], QStringLiteral("Nuovo Nome"));
                    // The photo is either written or reported as not written.
                    const QString photo = photoFileName(target);
                    const bool written =
                        after.count(photo) &&
                        (!before.count(photo) || after.at(photo) != before.at(photo));
                    EXPECT_EQ(m.lastText() == photoNotSavedMessage(), !written);
                }
                // A photo file is whole or untouched, never half written.
                if (after.count(photoFileName(target))) {
                    EXPECT_FALSE(readPicture(m.h.path(photoFileName(target))).isNull());
                }
            }
            EXPECT_TRUE(completed) << "the save never completed";
        }
    }
}
