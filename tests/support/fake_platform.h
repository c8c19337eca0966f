#pragma once

#include "platform/context.h"
#include "platform/platform.h"
#include "platform/window_set.h"

#include <QDialog>
#include <QPageLayout>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

// Records every call to the desktop and answers from a script. Nothing modal blocks.
class FakePlatform : public platform::Platform {
public:
    struct Message {
        platform::MsgKind kind;
        QString text;
    };
    struct PrintCall {
        bool preview;
        QPageLayout layout;
        platform::PreviewOptions options = {}; // what a preview was asked to offer
    };

    // Scripted answers, used in order; when empty: Ok for messages, Yes for questions.
    std::deque<platform::Answer> answers;
    std::vector<Message> messages;

    std::deque<QString> fileAnswers; // empty text = cancelled
    std::vector<platform::FileDialog> fileDialogs;

    QStringList opened;       // shell-open texts, as given
    bool openAccepted = true; // what the desktop answers to a shell-open

    bool printAccepted = true;
    std::vector<PrintCall> printCalls;
    QString pdfPath; // when set, print and preview render their pages to this PDF

    // Called for each modal dialog; returns its result. Default: the dialog is rejected.
    std::function<int(QDialog&)> onModal;
    QStringList modalDialogs; // objectNames in order

    QStringList sounds;
    int soundStops = 0;

    bool cameraPresent = false;
    int cameraStarts = 0, cameraStops = 0;
    bool cameraRunning() const { return static_cast<bool>(frameHandler_); }
    void feedFrame(const QImage& frame) {
        if (frameHandler_) frameHandler_(frame);
    }

    std::vector<platform::HelpTopic> helpTopics; // every help page asked for

    QDate todayValue{2026, 3, 15};
    QTime timeValue{10, 30, 0};

    platform::Answer message(QWidget*, platform::MsgKind kind, const QString& text) override;
    QString openFileName(QWidget*, const platform::FileDialog& options) override;
    QString saveFileName(QWidget*, const platform::FileDialog& options) override;
    bool shellOpen(const QString& command) override {
        opened << command;
        return openAccepted;
    }
    bool print(QWidget*, const QPageLayout& layout, const platform::RenderPages& render) override;
    void preview(QWidget*, const QPageLayout& layout, const platform::RenderPages& render,
                 const platform::PreviewOptions& options = {}) override;
    int runModal(QDialog& dialog) override;
    void playSound(const QString& path) override { sounds << path; }
    void stopSound() override { ++soundStops; }
    bool startCamera(QObject* owner, const platform::FrameHandler& onFrame) override;
    void stopCamera() override;
    void showHelp(QWidget*, const platform::HelpTopic& topic) override {
        helpTopics.push_back(topic);
    }
    QDate today() const override { return todayValue; }
    QDateTime now() const override { return QDateTime(todayValue, timeValue); }

    // Texts of the recorded messages, in order.
    QStringList texts() const;
    const Message& lastMessage() const { return messages.back(); }

private:
    void render(const QPageLayout& layout, const platform::RenderPages& render);
    platform::FrameHandler frameHandler_;
};

// A temporary program folder, the fake desktop and an empty window set.
struct Harness {
    QTemporaryDir dir;
    FakePlatform fake;
    platform::WindowSet windows;
    platform::Context ctx{dir.path(), fake, windows};

    QString path(const QString& name) const { return ctx.path(name); }
};

// The child of `root` with that objectName, or nullptr.
template <class T> T* child(QObject* root, const QString& name) {
    return root->findChild<T*>(name);
}

} // namespace testing_support
