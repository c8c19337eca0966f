#pragma once

#include "platform/context.h"

#include <QDialog>
#include <QImage>

class QLabel;

namespace members {

// " Cattura foto con webcam": live view from the default camera, one captured picture that
// can be saved to disk or handed to the member's photo box. Accepted means "import it".
class TfrmWebCam : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWebCam(platform::Context& ctx, QWidget* parent = nullptr);
    ~TfrmWebCam() override;

    // The captured picture (its placeholder until "Cattura foto").
    QImage capturedPicture() const { return captured_; }

    // Every way out switches the camera off first.
    void done(int result) override;

private:
    void switchOn();
    void switchOff();
    void capture();
    void saveToDisk();
    void showFrame(const QImage& frame);
    static void display(QLabel* box, const QImage& image);

    platform::Context& ctx_;
    QLabel* imgCamera_;
    QLabel* imgTarget_;
    QImage liveBlank_, capturedBlank_;
    QImage live_, captured_;
    bool running_ = false;
};

} // namespace members
