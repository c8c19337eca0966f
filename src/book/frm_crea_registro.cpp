#include "book/frm_crea_registro.h"

#include "book/book_ui.h"
#include "book/registers.h"
#include "core/text.h"
#include "platform/help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

namespace book {

namespace {

class NameKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const QString text = static_cast<QKeyEvent*>(e)->text();
        return std::any_of(text.begin(), text.end(), discardedInRegisterName);
    }
};

} // namespace

bool discardedInRegisterName(QChar c) {
    static const QString discarded = u"\"*/:<>?\\°ÇÑçñ"_qs;
    return discarded.contains(c);
}

TfrmCreaRegistro::TfrmCreaRegistro(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmCreaRegistro"_qs, u" Quorvix 5.0 - Creazione Libro Soci"_qs) {
    auto* picture = new QLabel(panel());
    picture->setPixmap(QIcon(u":/art/menu_libro.svg"_qs).pixmap(120, 120));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(437, 150, 120, 130);

    QLabel* caption = platform::makeLabel(panel(), u"Nome del nuovo Libro Soci:"_qs, u"lblNome"_qs);
    caption->setGeometry(197, 300, 600, 24);
    txtFile_ = platform::makeEdit(panel(), u"txtFile"_qs, 250);
    txtFile_->setGeometry(197, 326, 600, 30);
    styleBookField(txtFile_);
    txtFile_->installEventFilter(new NameKeyFilter(txtFile_));

    QPushButton* applica =
        textButton(panel(), u"btnApplica"_qs, u"Applica e chiudi"_qs, u"salva"_qs);
    applica->setGeometry(517, 380, 140, 36);
    QPushButton* annulla = textButton(panel(), u"btnAnnulla"_qs, u"Annulla"_qs, u"chiudi"_qs);
    annulla->setGeometry(667, 380, 130, 36);
    QToolButton* guida = platform::pictureButton(panel(), u"imgGuida"_qs, u":/art/guida.svg"_qs,
                                                 u"Visualizza la pagina della guida."_qs, {40, 40});
    guida->setGeometry(931, 8, 48, 48);

    connect(applica, &QPushButton::clicked, this, &TfrmCreaRegistro::apply);
    connect(annulla, &QPushButton::clicked, this, &QWidget::close);
    connect(guida, &QToolButton::clicked, this,
            [this] { ctx_.platform.showHelp(this, platform::helpTopic(u"book"_qs, u"crea"_qs)); });
}

void TfrmCreaRegistro::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (event->spontaneous()) return;
    txtFile_->clear();
    txtFile_->setFocus(Qt::OtherFocusReason);
}

void TfrmCreaRegistro::apply() {
    const QString typed = txtFile_->text();
    if (platform::showProblem(ctx_, this, registerNameProblem(ctx_.folder, typed))) return;
    using platform::MsgKind;
    switch (createRegister(ctx_.folder, typed)) {
    case CreateResult::AlreadyExists:
        ctx_.platform.message(this, MsgKind::Warning, nameUsedMessage());
        return;
    case CreateResult::Failed:
        ctx_.platform.message(this, MsgKind::Error,
                              createFailedMessage(core::trimText(typed) + kRegisterExtension));
        return;
    case CreateResult::Created:
        ctx_.platform.message(this, MsgKind::Information, createdMessage());
        close();
        return;
    }
}

} // namespace book
