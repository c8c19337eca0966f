#pragma once

#include "platform/platform.h"

#include <functional>
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
    bool shellOpen(const QString& command) override;
    bool print(QWidget* parent, const QPageLayout& layout, const RenderPages& render) override;
    void preview(QWidget* parent, const QPageLayout& layout, const RenderPages& render,
                 const PreviewOptions& options = {}) override;
    int runModal(QDialog& dialog) override;
    void playSound(const QString& path) override;
    void stopSound() override;
    bool startCamera(QObject* owner, const FrameHandler& onFrame) override;
    void stopCamera() override;
    void showHelp(QWidget* owner, const HelpTopic& topic) override;
    QDate today() const override;

    // The help window belongs to the shell, above this layer: the program hands it in at start.
    using HelpWindow = std::function<void(QWidget* owner, const HelpTopic& topic)>;
    void setHelpWindow(HelpWindow window) { helpWindow_ = std::move(window); }
    QDateTime now() const override;

private:
    HelpWindow helpWindow_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    std::unique_ptr<QCamera> camera_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QVideoSink> sink_;
};

} // namespace platform
