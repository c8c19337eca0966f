#pragma once

#include "platform/platform.h"

#include <memory>

class QAudioOutput;
class QCamera;
class QMediaCaptureSession;
class QMediaPlayer;
class QVideoSink;

namespace platform {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer message(QWidget* parent, MsgKind kind, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialog& options) override;
    QString saveFileName(QWidget* parent, const FileDialog& options) override;
    void shellOpen(const QString& command) override;
    bool print(QWidget* parent, const QPageLayout& layout, const RenderPages& render) override;
    void preview(QWidget* parent, const QPageLayout& layout, const RenderPages& render) override;
    int runModal(QDialog& dialog) override;
    void playSound(const QString& path) override;
    void stopSound() override;
    bool startCamera(QObject* owner, const FrameHandler& onFrame) override;
    void stopCamera() override;
    QDate today() const override;
    QDateTime now() const override;

private:
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    std::unique_ptr<QCamera> camera_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QVideoSink> sink_;
};

} // namespace platform
