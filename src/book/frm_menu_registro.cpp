#include "book/frm_menu_registro.h"

#include "book/book_help.h"
#include "book/book_ui.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace book {

TfrmMenuRegistro::TfrmMenuRegistro(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmMenuRegistro"_qs,
               u" Quorvix 5.0 - Creazione / Compilazione Libro Soci"_qs) {
    lblMemory_ = modeLabel(panel(), u"avvio"_qs);

    auto* picture = new QLabel(panel());
    picture->setObjectName(u"imgLibro"_qs);
    picture->setPixmap(QIcon(u":/art/menu_libro.svg"_qs).pixmap(160, 160));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(397, 150, 200, 170);

    QLabel* note = platform::makeLabel(
        panel(),
        u"Premere il pulsante per creare un nuovo Libro Soci o per compilarne uno esistente."_qs,
        u"lblNota"_qs);
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(100, 340, 795, 24);

    QPushButton* crea =
        textButton(panel(), u"btnCrea"_qs, u"Crea nuovo Libro Soci"_qs, u"nuovo"_qs);
    crea->setGeometry(262, 390, 230, 44);
    QPushButton* compila =
        textButton(panel(), u"btnCompila"_qs, u"Compila Libro Soci esistente"_qs, u"apri"_qs);
    compila->setGeometry(502, 390, 230, 44);
    for (QPushButton* b : {crea, compila})
        b->setIconSize({28, 28});

    QToolButton* guida = platform::pictureButton(panel(), u"imgGuida"_qs, u":/art/guida.svg"_qs,
                                                 u"Visualizza la pagina della guida."_qs, {40, 40});
    guida->setGeometry(931, 8, 48, 48);
    QToolButton* esci =
        platform::pictureButton(panel(), u"imgEsci"_qs, u":/art/esci.svg"_qs,
                                u"Esci da questa schermata di lavoro."_qs, {40, 40});
    esci->setGeometry(931, 628, 48, 48);

    connect(crea, &QPushButton::clicked, this, [this] { closeWith(u"crea"_qs); });
    connect(compila, &QPushButton::clicked, this, [this] { closeWith(u"compila"_qs); });
    connect(guida, &QToolButton::clicked, this,
            [this] { ctx_.platform.showHelp(this, menuHelp()); });
    connect(esci, &QToolButton::clicked, this, &QWidget::close);
}

QString TfrmMenuRegistro::mode() const {
    return lblMemory_->text();
}

void TfrmMenuRegistro::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (!event->spontaneous()) lblMemory_->setText(u"avvio"_qs);
}

void TfrmMenuRegistro::closeWith(const QString& mode) {
    lblMemory_->setText(mode);
    close();
}

void TfrmMenuRegistro::onClose() {
    const QString m = mode();
    const QString next = m == u"crea"      ? u"TfrmCreaRegistro"_qs
                         : m == u"compila" ? u"TfrmApriRegistro"_qs
                                           : u"TfrmAvvio"_qs;
    ctx_.windows.switchTo(next, this);
}

} // namespace book
