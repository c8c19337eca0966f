#include "members/frm_webcam.h"
#include "members/frm_zoom.h"

#include "fake_platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

using namespace members;
using testing_support::child;
using testing_support::Harness;

namespace {

QImage solid(QColor color, QSize size = {640, 480}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage shown(QWidget* root, const char* box) {
    return child<QLabel>(root, box)->pixmap().toImage();
}

void click(QWidget* root, const char* name) {
    child<QPushButton>(root, name)->click();
}

} // namespace

TEST(WebCam, WithoutCameraTheLiveViewKeepsItsPlaceholderSilently) {
    Harness h;
    TfrmWebCam cam(h.ctx);
    EXPECT_EQ(cam.windowTitle(), " Cattura foto con webcam");
    const QImage before = shown(&cam, "imgCamera");
    click(&cam, "btnAccendi");
    h.fake.feedFrame(solid(Qt::red)); // nobody listens
    EXPECT_EQ(h.fake.cameraStarts, 1);
    EXPECT_EQ(shown(&cam, "imgCamera"), before);
    EXPECT_TRUE(h.fake.messages.empty());
    click(&cam, "btnClose");
    EXPECT_EQ(h.fake.cameraStops, 0); // nothing was running
}

TEST(WebCam, FramesShowLiveAndCaptureKeepsTheCurrentOne) {
    Harness h;
    h.fake.cameraPresent = true;
    TfrmWebCam cam(h.ctx);
    const QImage blank = cam.capturedPicture();
    ASSERT_FALSE(blank.isNull());

    click(&cam, "btnAccendi");
    h.fake.feedFrame(solid(Qt::green));
    h.fake.feedFrame(solid(Qt::red));
    EXPECT_EQ(shown(&cam, "imgCamera").pixelColor(100, 100), QColor(Qt::red));
    EXPECT_EQ(cam.capturedPicture(), blank); // not captured yet

    click(&cam, "btnCattura");
    h.fake.feedFrame(solid(Qt::blue));
    EXPECT_EQ(cam.capturedPicture(), solid(Qt::red));
    EXPECT_EQ(shown(&cam, "imgTarget").pixelColor(100, 100), QColor(Qt::red));
    EXPECT_EQ(shown(&cam, "imgCamera").pixelColor(100, 100), QColor(Qt::blue));

    click(&cam, "btnSpegni");
    EXPECT_FALSE(h.fake.cameraRunning());
    h.fake.feedFrame(solid(Qt::yellow));
    EXPECT_EQ(shown(&cam, "imgCamera").pixelColor(100, 100), QColor(Qt::blue));
}

TEST(WebCam, EveryWayOutSwitchesTheCameraOff) {
    const std::pair<const char*, std::function<void(TfrmWebCam&)>> ways[] = {
        {"import", [](TfrmWebCam& c) { click(&c, "btnImportaFoto"); }},
        {"annulla", [](TfrmWebCam& c) { click(&c, "btnClose"); }},
        {"escape", [](TfrmWebCam& c) { c.reject(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        Harness h;
        h.fake.cameraPresent = true;
        TfrmWebCam cam(h.ctx);
        click(&cam, "btnAccendi");
        ASSERT_TRUE(h.fake.cameraRunning());
        leave(cam);
        EXPECT_FALSE(h.fake.cameraRunning());
        EXPECT_EQ(cam.result(),
                  std::string(name) == "import" ? QDialog::Accepted : QDialog::Rejected);
    }
    Harness h;
    h.fake.cameraPresent = true;
    {
        TfrmWebCam cam(h.ctx);
        click(&cam, "btnAccendi");
    }
    EXPECT_FALSE(h.fake.cameraRunning()); // freed while on
}

TEST(WebCam, SaveAddsJpgToABareNameAndWritesAJpeg) {
    Harness h;
    h.fake.cameraPresent = true;
    TfrmWebCam cam(h.ctx);
    click(&cam, "btnAccendi");
    h.fake.feedFrame(solid(Qt::red, {320, 240}));
    click(&cam, "btnCattura");

    struct Case {
        QString typed, written;
    } cases[] = {{"ritratto", "ritratto.jpg"}, {"mario.jpg", "mario.jpg"}};
    for (const auto& c : cases) {
        h.fake.fileAnswers.push_back(h.path(c.typed));
        click(&cam, "btnSalvaFotogramma");
        const QImage written(h.path(c.written), "JPG");
        EXPECT_EQ(written.size(), QSize(320, 240)) << c.written.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(h.path(QStringLiteral("ritratto"))));
    const auto& dialog = h.fake.fileDialogs.front();
    EXPECT_EQ(dialog.title, "Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    EXPECT_EQ(dialog.filter, "File Jpeg (*.jpg)");
    EXPECT_EQ(dialog.proposedName, "Foto.jpg");

    // Cancelled: nothing written, the capture stays.
    click(&cam, "btnSalvaFotogramma");
    EXPECT_EQ(cam.capturedPicture(), solid(Qt::red, {320, 240}));
}

TEST(WebCam, FailedSaveFallsBackToThePlaceholderSilently) {
    Harness h;
    h.fake.cameraPresent = true;
    TfrmWebCam cam(h.ctx);
    const QImage blank = cam.capturedPicture();
    click(&cam, "btnAccendi");
    h.fake.feedFrame(solid(Qt::red));
    click(&cam, "btnCattura");
    h.fake.fileAnswers.push_back(h.path(QStringLiteral("manca/foto.jpg")));
    click(&cam, "btnSalvaFotogramma");
    EXPECT_EQ(cam.capturedPicture(), blank);
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(Zoom, PhotoFillsTheScreenLessMarginsKeepingProportionsAndAClickCloses) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QSize area = screen - QSize(60, 90);
    TfrmZoom zoom(solid(Qt::red, {100, 200}));
    EXPECT_EQ(zoom.windowTitle(), " Fai clic sulla foto per chiudere questa finestra");
    auto* panel = child<QWidget>(&zoom, "panContainer");
    auto* photo = child<QLabel>(&zoom, "imgFoto");
    EXPECT_EQ(panel->size(), area);
    EXPECT_EQ(photo->size(), area);
    const QSize picture = photo->pixmap().size();
    EXPECT_EQ(picture.height(), area.height()); // tall picture: the height limits
    EXPECT_NEAR(picture.width(), area.height() / 2, 1);

    zoom.show();
    zoom.resize(screen);
    EXPECT_EQ(panel->geometry().center(), zoom.rect().center());
    const QImage painted = zoom.grab().toImage();
    EXPECT_EQ(painted.pixelColor(5, 1), QColor(70, 130, 180));
    EXPECT_GT(painted.pixelColor(5, screen.height() - 2).blue(), 250);
    EXPECT_GT(painted.pixelColor(5, screen.height() - 2).red(), 245);

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        photo->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(photo, &release);
    EXPECT_EQ(zoom.result(), QDialog::Accepted);
    EXPECT_FALSE(zoom.isVisible());
}
