#pragma once

#include "platform/context.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>

namespace shell {

// The help window: a title and the help text of the area that opened it.
class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    TfrmGuida(platform::Context& ctx, QWidget* owner);
    // Paragraphs are joined by "\r\n\r\n".
    void setTopic(const QString& title, const QStringList& paragraphs);
    void openPdf();

private:
    platform::Context& ctx_;
    QLabel* lblTitolo_;
    QPlainTextEdit* txtGuida_;
};

} // namespace shell
