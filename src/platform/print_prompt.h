#pragma once

#include "platform/context.h"
#include "platform/platform.h"

#include <QDialog>
#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace platform {

// What the engine needs to print or preview: the paper and the painter of the pages.
struct PrintJob {
    QPageLayout layout;
    RenderPages render;
    PreviewOptions preview = {}; // what the preview offers, when the job is previewed
};

// Builds the job when the user presses the button, from what the calling window holds then.
using PrintJobSource = std::function<PrintJob()>;

// A prepared report (anything with pageLayout() and renderer(), such as reports::Report) as a
// job; the job keeps its own copy alive for as long as the renderer may run.
template <class Report> PrintJob printJob(Report report) {
    auto kept = std::make_shared<const Report>(std::move(report));
    return {kept->pageLayout(), [kept](QPrinter& printer) { kept->renderer()(printer); }};
}

enum class PrintMode { Print, Preview };

// Print dialog then printer, or the modal preview. A failure while painting is caught inside the
// dialog and returned as its text once the dialog is gone; a cancelled print dialog is no
// failure.
std::optional<QString> runPrintJob(Context& ctx, QWidget* parent, PrintMode mode,
                                   const PrintJob& job);

// Builds and runs the job; a failure shows as an error message with the engine's text (what
// every printing window does without a prompt). False after a failure.
bool printNow(Context& ctx, QWidget* parent, PrintMode mode, const PrintJobSource& source);

// The small modal window in front of a print or a preview: a printer picture and one line of
// text (or the window's own controls), the hidden wait line, "Annulla" (`btnAnnulla`) and
// "Stampa" (`btnStampa`) or "Mostra anteprima" (`btnAnteprima`).
// The go button shows the wait line, builds the job, prints it or shows the preview (the wait
// line is hidden first), then closes the window as accepted, also after a failure.
// A window is a configuration: its Form, its job source and, when needed, the two hooks.
class PrintPrompt : public QDialog {
    Q_OBJECT
public:
    PrintMode mode() const { return mode_; }

public slots:
    void go(); // btnStampa / btnAnteprima

protected:
    struct Form {
        QString className = {}, caption = {};
        PrintMode mode = PrintMode::Print;
        QString text = {}; // beside the printer picture
        // Builds the window's own controls in place of picture and text. They are created
        // before the buttons, so they come first in the Tab order.
        std::function<void(QDialog*)> face = {};
        QSize size{380, 200};
        QRect waitLine{20, 110, 300, 20};
        QPoint buttonsEnd{362, 154}; // top-right corner of the two buttons
    };
    PrintPrompt(Context& ctx, QWidget* parent, const Form& form, PrintJobSource source);

    // Runs before the job is built (saving settings, say); false stops it as a failure.
    virtual bool beforeJob() { return true; }
    // Shows a failure; by default an error message with the engine's text.
    virtual void failed(const QString& reason);

    Context& ctx_;

private:
    std::optional<QString> attempt();

    PrintMode mode_;
    PrintJobSource source_;
    QLabel* lblAttendere_;
};

} // namespace platform
