#include "platform/qt_platform.h"

#include "platform/frm_anteprima.h"
#include "platform/screen_fit.h"
#include "platform/shell_open.h"
#include "platform/toolbar.h"

#include <QAudioOutput>
#include <QCamera>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

#include <atomic>
#include <memory>

namespace platform {

QString messageTitle(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning:
        return QStringLiteral("Attenzione");
    case MsgKind::Error:
        return QStringLiteral("Errore");
    case MsgKind::Information:
        return QStringLiteral("Informazione");
    case MsgKind::Question:
    case MsgKind::SaveQuestion:
        return QStringLiteral("Conferma");
    case MsgKind::Plain:
        break;
    }
    return QStringLiteral("Quorvix 5.0");
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() {
    stopCamera();
}

Answer QtPlatform::message(QWidget* parent, MsgKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(messageTitle(kind));
    box.setText(text);
    switch (kind) {
    case MsgKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgKind::Question:
    case MsgKind::SaveQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (kind == MsgKind::Question)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else if (kind == MsgKind::SaveQuestion)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    else if (kind == MsgKind::Plain)
        box.setStandardButtons(QMessageBox::Ok);
    else
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialog& o) {
    return QFileDialog::getOpenFileName(parent, o.title, o.directory, o.filter);
}

QString QtPlatform::saveFileName(QWidget* parent, const FileDialog& o) {
    QFileDialog dialog(parent, o.title, o.directory, o.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(o.defaultSuffix);
    if (!o.proposedName.isEmpty()) dialog.selectFile(o.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool QtPlatform::shellOpen(const QString& command) {
    return QDesktopServices::openUrl(desktopUrl(command));
}

bool QtPlatform::print(QWidget* parent, const QPageLayout& layout, const RenderPages& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    render(printer);
    return true;
}

void QtPlatform::preview(QWidget* parent, const QPageLayout& layout, const RenderPages& render,
                         const PreviewOptions& options) {
    TfrmAnteprima window(*this, parent, layout, render, options);
    runModal(window);
}

int QtPlatform::runModal(QDialog& dialog) {
    const QWidget* opener = dialog.parentWidget();
    if (QScreen* screen = opener ? opener->screen() : QGuiApplication::primaryScreen())
        fitDialog(&dialog, screen->availableGeometry());
    return dialog.exec();
}

void QtPlatform::playSound(const QString& path) {
    if (!player_) {
        player_ = new QMediaPlayer;
        audio_ = new QAudioOutput(player_);
        player_->setAudioOutput(audio_);
    }
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void QtPlatform::stopSound() {
    if (player_) player_->stop();
}

bool QtPlatform::startCamera(QObject* owner, const FrameHandler& onFrame) {
    stopCamera();
    if (QMediaDevices::videoInputs().isEmpty()) return false;
    camera_ = std::make_unique<QCamera>(QMediaDevices::defaultVideoInput());
    session_ = std::make_unique<QMediaCaptureSession>();
    sink_ = std::make_unique<QVideoSink>();
    session_->setCamera(camera_.get());
    session_->setVideoSink(sink_.get());
    // The owner as context: frames land on the GUI thread and stop when the owner goes. When
    // the GUI falls behind a capture thread, frames queue up: count them as they are sent and
    // convert only the newest, so the live view never lags further and further behind.
    auto queued = std::make_shared<std::atomic<int>>(0);
    QObject::connect(
        sink_.get(), &QVideoSink::videoFrameChanged, sink_.get(), [queued] { ++*queued; },
        Qt::DirectConnection);
    QObject::connect(sink_.get(), &QVideoSink::videoFrameChanged, owner,
                     [onFrame, queued](const QVideoFrame& frame) {
                         if (--*queued > 0) return; // a newer frame is already on its way
                         const QImage image = frame.toImage();
                         if (!image.isNull()) onFrame(image);
                     });
    camera_->start();
    return camera_->error() == QCamera::NoError;
}

void QtPlatform::stopCamera() {
    if (camera_) camera_->stop();
    if (session_) {
        session_->setVideoSink(nullptr);
        session_->setCamera(nullptr);
    }
    sink_.reset();
    session_.reset();
    camera_.reset();
}

void QtPlatform::showHelp(QWidget* owner, const HelpTopic& topic) {
    if (!helpWindow_) return;
    HelpTopic shown = topic;
    if (const QString keys = owner ? shortcutHelp(owner->window()) : QString(); !keys.isEmpty())
        shown.paragraphs << keys;
    helpWindow_(owner, shown);
}

QDate QtPlatform::today() const {
    return QDate::currentDate();
}
QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

} // namespace platform
