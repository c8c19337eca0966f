#include "shell/frm_guida.h"

#include "platform/ui.h"

#include <QPushButton>
#include <QToolButton>

namespace shell {

TfrmGuida::TfrmGuida(platform::Context& ctx, QWidget* owner) : QDialog(owner), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmGuida"),
                          QStringLiteral(" Guida all'utilizzo del software"), {676, 598});
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/art/guida.svg")).pixmap(40, 40));
    icon->setGeometry(16, 12, 40, 40);
    lblTitolo_ = platform::makeLabel(this, QStringLiteral("Argomento della guida."),
                                     QStringLiteral("lblTitolo"));
    lblTitolo_->setGeometry(66, 20, 590, 24);
    QFont f = lblTitolo_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    lblTitolo_->setFont(f);

    txtGuida_ = new QPlainTextEdit(this);
    txtGuida_->setObjectName(QStringLiteral("txtGuida"));
    txtGuida_->setReadOnly(true);
    txtGuida_->setGeometry(16, 60, 644, 470);

    auto* pdfIcon = platform::pictureButton(this, QStringLiteral("imgPdf"), QStringLiteral(":/art/pdf.svg"),
                                            QStringLiteral("Visualizza guida in formato PDF"), {28, 28});
    pdfIcon->setGeometry(16, 546, 32, 32);
    auto* pdfLink = new QPushButton(QStringLiteral("Visualizza guida in formato PDF"), this);
    pdfLink->setObjectName(QStringLiteral("lblPdf"));
    pdfLink->setFlat(true);
    pdfLink->setCursor(Qt::PointingHandCursor);
    pdfLink->setStyleSheet(QStringLiteral("color: #00008B; text-decoration: underline; text-align: left;"));
    pdfLink->setGeometry(52, 548, 260, 28);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));
    chiudi->setGeometry(560, 548, 100, 30);

    connect(pdfIcon, &QToolButton::clicked, this, &TfrmGuida::openPdf);
    connect(pdfLink, &QPushButton::clicked, this, &TfrmGuida::openPdf);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmGuida::setTopic(const QString& title, const QStringList& paragraphs) {
    lblTitolo_->setText(title);
    txtGuida_->setPlainText(paragraphs.join(QStringLiteral("\r\n\r\n")));
}

void TfrmGuida::openPdf() { ctx_.platform.shellOpen(u'"' + ctx_.path(QStringLiteral("Guida.pdf")) + u'"'); }

} // namespace shell
