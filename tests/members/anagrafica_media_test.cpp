#include "member_window_fixture.h"

#include "files.h"

#include "members/member_archive.h"
#include "members/member_photo.h"
#include "platform/attachments.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

using members_test::MemberWindow;
using testing_support::child;

namespace {

QImage solid(QColor color) {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

void click(QWidget* root, const char* name) {
    child<QAbstractButton>(root, name)->click();
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

} // namespace

TEST(MemberMedia, AttachmentsReachTheRecordOnlyWhenSaved) {
    MemberWindow m;
    QTemporaryDir mine;
    const QString source = QDir(mine.path()).filePath(QStringLiteral("certificato.pdf"));
    testing_support::writeFile(source, "C");
    m.fillValid(QStringLiteral("Verdi Luca"));
    m.save();
    ASSERT_EQ(m.position(), "1");

    m.h.fake.fileAnswers.push_back(source);
    m.h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TfrmAllegaCartella");
        click(&d, "btnSfoglia02");
        child<QLineEdit>(&d, "txtDesc02")->setText(QStringLiteral("Certificato medico"));
        click(&d, "btnApplica");
        return d.result();
    };
    click(m.w.get(), "cmdAllega");
    EXPECT_EQ(m.label(QStringLiteral("lblFile02"))->text(), "certificato.pdf");
    EXPECT_EQ(m.label(QStringLiteral("lblDesc02"))->text(), "Certificato medico");

    members::MemberArchive archive(m.h.ctx.folder);
    EXPECT_EQ(archive.read(1)->values[members::File02], ""); // not saved yet
    m.save();
    EXPECT_EQ(archive.read(1)->values[members::File02], "certificato.pdf");
    EXPECT_EQ(archive.read(1)->values[members::Desc02], "Certificato medico");

    // Opened again, the dialog starts from the saved texts.
    m.w->newSheet();
    ASSERT_TRUE(m.w->loadRecord(1));
    m.h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(&d, "txtFile02")->text(), "certificato.pdf");
        EXPECT_TRUE(child<QPushButton>(&d, "btnApri02")->isEnabled());
        return int(QDialog::Rejected);
    };
    click(m.w.get(), "cmdAllega");
}

TEST(MemberMedia, ImportWithoutCaptureGivesThePlaceholder) {
    MemberWindow m;
    m.h.fake.cameraPresent = true;
    m.w->importPhoto(solid(Qt::green));
    m.h.fake.onModal = [](QDialog& d) {
        click(&d, "btnAccendi");
        click(&d, "btnImportaFoto");
        return d.result();
    };
    click(m.w.get(), "btnWebcam");
    EXPECT_EQ(m.w->photo(), members::placeholderPhoto());
    EXPECT_FALSE(m.h.fake.cameraRunning());
}

TEST(MemberMedia, WebcamPhotoSavedWithTheMemberSurvivesARestart) {
    QString folder;
    MemberWindow m;
    m.h.fake.cameraPresent = true;
    m.h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TfrmWebCam");
        click(&d, "btnAccendi");
        m.h.fake.feedFrame(solid(Qt::red));
        click(&d, "btnCattura");
        m.h.fake.feedFrame(solid(Qt::blue));
        click(&d, "btnImportaFoto");
        return d.result();
    };
    click(m.w.get(), "btnWebcam");
    EXPECT_FALSE(m.h.fake.cameraRunning());
    EXPECT_EQ(m.w->photo(), solid(Qt::red));

    // Annulla brings nothing back.
    m.h.fake.onModal = [&](QDialog& d) {
        click(&d, "btnAccendi");
        m.h.fake.feedFrame(solid(Qt::blue));
        click(&d, "btnCattura");
        click(&d, "btnClose");
        return d.result();
    };
    click(m.w.get(), "btnWebcam");
    EXPECT_EQ(m.w->photo(), solid(Qt::red));

    m.fillValid(QStringLiteral("Neri Paola"));
    m.save();
    ASSERT_EQ(m.position(), "1");

    // A new start on the same folder: fresh desktop, window set and member window.
    testing_support::FakePlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{m.h.ctx.folder, desktop, windows};
    members::TfrmAnagrafica again(ctx);
    ASSERT_TRUE(again.loadRecord(1));
    const QImage photo = again.photo();
    ASSERT_EQ(photo.size(), QSize(320, 240));
    EXPECT_TRUE(near(photo.pixelColor(160, 120), Qt::red));
}

TEST(MemberMedia, ZoomShowsACopyOfThePhotoBox) {
    MemberWindow m;
    m.w->importPhoto(solid(Qt::red));
    bool seen = false;
    m.h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TfrmZoom");
        const QImage shown = child<QLabel>(&d, "imgFoto")->pixmap().toImage();
        EXPECT_EQ(shown.width() * 3, shown.height() * 4); // 320 x 240 kept in proportion
        EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
        seen = true;
        return int(QDialog::Accepted);
    };
    click(m.w.get(), "btnZoom");
    EXPECT_TRUE(seen);
}
