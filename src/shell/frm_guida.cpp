#include "shell/frm_guida.h"

#include "platform/buttons.h"
#include "platform/look.h"
#include "platform/ui.h"

#include <QPushButton>
#include <QToolButton>

namespace shell {

TfrmGuida::TfrmGuida(platform::Context& ctx, QWidget* owner) : QDialog(owner), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmGuida"),
                          QStringLiteral(" Guida all'utilizzo del software"), {676, 598});
    platform::look::useFont(this);

    platform::look::headerBand(this, {0, 0, 676, 64});
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgArgomento"));
    icon->setPixmap(QIcon(QStringLiteral(":/art/guida.svg")).pixmap(40, 40));
    icon->setGeometry(18, 12, 40, 40);
    lblTitolo_ = platform::makeLabel(this, QStringLiteral("Argomento della guida."),
                                     QStringLiteral("lblTitolo"));
    lblTitolo_->setGeometry(70, 18, 590, 28);
    lblTitolo_->setStyleSheet(
        QStringLiteral("color: #0b2454; font-size: 14pt; font-weight: bold;"));

    txtGuida_ = new QPlainTextEdit(this);
    txtGuida_->setObjectName(QStringLiteral("txtGuida"));
    txtGuida_->setReadOnly(true);
    txtGuida_->setGeometry(16, 78, 644, 446);
    txtGuida_->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { background: white; color: #1d2a3a; border: 1px solid #c6d4ea;"
        "  border-radius: 4px; font-size: 10.5pt; selection-background-color: #ffd24a;"
        "  selection-color: #0b2454; }"));
    txtGuida_->document()->setDocumentMargin(12);

    platform::look::footerBand(this, {0, 536, 676, 62});
    auto* pdfIcon =
        platform::pictureButton(this, QStringLiteral("imgPdf"), QStringLiteral(":/art/pdf.svg"),
                                QStringLiteral("Visualizza guida in formato PDF"), {28, 28});
    pdfIcon->setGeometry(16, 550, 34, 34);
    auto* pdfLink =
        platform::makeButton(this, QStringLiteral("lblPdf"),
                             QStringLiteral("Visualizza guida in formato PDF"), {54, 553, 260, 28});
    pdfLink->setFlat(true);
    pdfLink->setCursor(Qt::PointingHandCursor);
    pdfLink->setStyleSheet(QStringLiteral(
        "QPushButton { color: #00008B; text-decoration: underline; text-align: left; border: none;"
        "  background: transparent; }"
        "QPushButton:pressed { color: #FFA500; }"));
    auto* chiudi = platform::makeButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                                        {548, 551, 112, 32});
    platform::look::makePrimary(chiudi);

    connect(pdfIcon, &QToolButton::clicked, this, &TfrmGuida::openPdf);
    connect(pdfLink, &QPushButton::clicked, this, &TfrmGuida::openPdf);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmGuida::setTopic(const QString& title, const QStringList& paragraphs) {
    lblTitolo_->setText(title);
    txtGuida_->setPlainText(paragraphs.join(QStringLiteral("\r\n\r\n")));
}

void TfrmGuida::openPdf() {
    ctx_.platform.shellOpen(u'"' + ctx_.path(QStringLiteral("Guida.pdf")) + u'"');
}

} // namespace shell
