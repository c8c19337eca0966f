#include "platform/print_prompt.h"

#include "platform/buttons.h"
#include "platform/ui.h"

#include <QLabel>
#include <QPushButton>

#include <exception>

namespace platform {

namespace {

QString failureText(const std::exception& e) {
    // The report engine's failures carry Italian text in UTF-8.
    return QString::fromUtf8(e.what());
}

} // namespace

std::optional<QString> runPrintJob(Context& ctx, QWidget* parent, PrintMode mode,
                                   const PrintJob& job) {
    // An exception must not cross Qt's own dialogs: keep the first and report it afterwards.
    auto failure = std::make_shared<std::optional<QString>>();
    const RenderPages guarded = [render = job.render, failure](QPrinter& printer) {
        try {
            render(printer);
        } catch (const std::exception& e) {
            if (!*failure) *failure = failureText(e);
        }
    };
    if (mode == PrintMode::Print)
        ctx.platform.print(parent, job.layout, guarded);
    else
        ctx.platform.preview(parent, job.layout, guarded, job.preview);
    return *failure;
}

bool printNow(Context& ctx, QWidget* parent, PrintMode mode, const PrintJobSource& source) {
    std::optional<QString> failure;
    try {
        failure = runPrintJob(ctx, parent, mode, source());
    } catch (const std::exception& e) {
        failure = failureText(e);
    }
    if (failure) ctx.platform.message(parent, MsgKind::Error, *failure);
    return !failure;
}

PrintPrompt::PrintPrompt(Context& ctx, QWidget* parent, const Form& form, PrintJobSource source)
    : QDialog(parent), ctx_(ctx), mode_(form.mode), source_(std::move(source)) {
    setupDialog(this, form.className, form.caption, form.size);
    if (form.face) {
        form.face(this);
    } else {
        addPrinterPicture(this, QStringLiteral("imgStampante"), {20, 20, 72, 72});
        QLabel* text = makeLabel(this, form.text, QStringLiteral("lblTesto"));
        text->setWordWrap(true); // two lines fit beside the picture
        text->setGeometry(104, 30, 260, 40);
    }
    lblAttendere_ = addWaitLine(this, form.waitLine);

    const bool print = mode_ == PrintMode::Print;
    const int goWidth = print ? 110 : 136;
    const QPoint end = form.buttonsEnd;
    auto* annulla = dialogButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                                 {end.x() - goWidth - 6 - 110, end.y(), 110, 30});
    auto* go =
        dialogButton(this, print ? QStringLiteral("btnStampa") : QStringLiteral("btnAnteprima"),
                     print ? QStringLiteral("Stampa") : QStringLiteral("Mostra anteprima"),
                     {end.x() - goWidth, end.y(), goWidth, 30});
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    // A print shows the wait line as soon as the mouse goes down on "Stampa".
    if (print) connect(go, &QPushButton::pressed, lblAttendere_, &QWidget::show);
    connect(go, &QPushButton::clicked, this, &PrintPrompt::go);
}

void PrintPrompt::go() {
    showWaitLine(lblAttendere_);
    const std::optional<QString> failure = attempt();
    lblAttendere_->hide();
    if (failure) failed(*failure);
    accept();
}

std::optional<QString> PrintPrompt::attempt() {
    try {
        if (!beforeJob()) return QString();
        const PrintJob job = source_();
        // The preview is a window of its own: the wait line has done its work.
        if (mode_ == PrintMode::Preview) lblAttendere_->hide();
        return runPrintJob(ctx_, this, mode_, job);
    } catch (const std::exception& e) {
        return failureText(e);
    }
}

void PrintPrompt::failed(const QString& reason) {
    ctx_.platform.message(this, MsgKind::Error,
                          reason.isEmpty() ? QStringLiteral("La stampa non è stata completata.")
                                           : reason);
}

} // namespace platform
