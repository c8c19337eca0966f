#include "book/frm_menu_registro.h"

#include "book/book_ui.h"
#include "platform/help.h"

#include <QLabel>
#include <QPushButton>

namespace book {

TfrmMenuRegistro::TfrmMenuRegistro(platform::Context& ctx)
    : MenuWindow(ctx, u"TfrmMenuRegistro"_qs,
                 u" Quorvix 5.0 - Creazione / Compilazione Libro Soci"_qs,
                 {{u"crea"_qs, u"TfrmCreaRegistro"_qs}, {u"compila"_qs, u"TfrmApriRegistro"_qs}}) {
    platform::addPicture(panel(), u":/art/menu_libro.svg"_qs, 160, {397, 150, 200, 170})
        ->setObjectName(u"imgLibro"_qs);

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
    addCorners(
        {u"Visualizza la pagina della guida."_qs, 8, u"Esci da questa schermata di lavoro."_qs},
        platform::helpTopic(u"book"_qs, u"menu"_qs));

    connect(crea, &QPushButton::clicked, this, [this] { closeWith(u"crea"_qs); });
    connect(compila, &QPushButton::clicked, this, [this] { closeWith(u"compila"_qs); });
}

} // namespace book
