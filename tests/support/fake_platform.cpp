#include "fake_platform.h"

#include <QPrinter>

namespace testing_support {

using platform::Answer;
using platform::MsgKind;

Answer FakePlatform::message(QWidget*, MsgKind kind, const QString& text) {
    messages.push_back({kind, text});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    if (kind == MsgKind::SaveQuestion) return Answer::No; // leaving a changed sheet goes on
    return kind == MsgKind::Question ? Answer::Yes : Answer::Ok;
}

QString FakePlatform::openFileName(QWidget*, const platform::FileDialog& options) {
    fileDialogs.push_back(options);
    if (fileAnswers.empty()) return {};
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QString FakePlatform::saveFileName(QWidget* parent, const platform::FileDialog& options) {
    return openFileName(parent, options);
}

void FakePlatform::render(const QPageLayout& layout, const platform::RenderPages& renderPages) {
    if (pdfPath.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageLayout(layout);
    renderPages(printer);
}

bool FakePlatform::print(QWidget*, const QPageLayout& layout, const platform::RenderPages& r) {
    printCalls.push_back({false, layout});
    if (!printAccepted) return false;
    render(layout, r);
    return true;
}

void FakePlatform::preview(QWidget*, const QPageLayout& layout, const platform::RenderPages& r,
                           const platform::PreviewOptions& options) {
    printCalls.push_back({true, layout, options});
    render(layout, r);
}

int FakePlatform::runModal(QDialog& dialog) {
    modalDialogs << dialog.objectName();
    if (onModal) return onModal(dialog);
    return QDialog::Rejected;
}

bool FakePlatform::startCamera(QObject*, const platform::FrameHandler& onFrame) {
    ++cameraStarts;
    if (!cameraPresent) return false;
    frameHandler_ = onFrame;
    return true;
}

void FakePlatform::stopCamera() {
    ++cameraStops;
    frameHandler_ = nullptr;
}

QStringList FakePlatform::texts() const {
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
}

} // namespace testing_support
