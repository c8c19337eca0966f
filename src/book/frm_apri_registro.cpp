#include "book/frm_apri_registro.h"

#include "book/book_ui.h"
#include "book/frm_frontespizio_reg.h"
#include "book/registers.h"
#include "platform/help.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace book {

using platform::MsgKind;

TfrmApriRegistro::TfrmApriRegistro(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmApriRegistro"_qs, u" Quorvix 5.0 - Compilazione Libro Soci"_qs) {
    lblMemory_ = modeLabel(panel(), u"avvio"_qs);

    QLabel* note = platform::makeLabel(
        panel(), u"Selezionare dall'elenco il Libro Soci da compilare e premere Apri archivio."_qs);
    note->setGeometry(147, 70, 700, 24);
    lstFiles_ = new QListWidget(panel());
    lstFiles_->setObjectName(u"lstFiles"_qs);
    QFont font(u"Courier New"_qs, 14);
    font.setStyleHint(QFont::TypeWriter);
    lstFiles_->setFont(font);
    lstFiles_->setStyleSheet(u"QListWidget { color: black; }"_qs);
    lstFiles_->setGeometry(147, 100, 700, 420);
    lblCreati_ = platform::makeLabel(panel(), {}, u"lblCreati"_qs);
    lblCreati_->setGeometry(147, 526, 700, 24);
    QFont bold = lblCreati_->font();
    bold.setBold(true);
    lblCreati_->setFont(bold);

    struct Command {
        const char* name;
        const char* art;
        const char* tip;
        void (TfrmApriRegistro::*slot)();
        int x;
    };
    const Command commands[] = {
        {"btnApri", "apri", "Apri archivio", &TfrmApriRegistro::openSelected, 147},
        {"btnElimina", "elimina", "Elimina il Libro Soci selezionato.",
         &TfrmApriRegistro::deleteSelected, 207},
        {"btnFrontespizio", "menu_libro", "Frontespizio del Libro Soci.",
         &TfrmApriRegistro::editTitlePage, 267},
        {"btnAnnulla", "chiudi", "Annulla", nullptr, 799},
    };
    for (const Command& c : commands) {
        QToolButton* b = platform::pictureButton(panel(), QLatin1String(c.name),
                                                 u":/art/"_qs + QLatin1String(c.art) + u".svg"_qs,
                                                 QString::fromUtf8(c.tip), {40, 40});
        b->setGeometry(c.x, 560, 48, 48);
        if (c.slot)
            connect(b, &QToolButton::clicked, this, c.slot);
        else
            connect(b, &QToolButton::clicked, this, &QWidget::close);
    }
    QToolButton* guida = platform::pictureButton(panel(), u"imgGuida"_qs, u":/art/guida.svg"_qs,
                                                 u"Visualizza la pagina della guida."_qs, {40, 40});
    guida->setGeometry(931, 8, 48, 48);
    connect(guida, &QToolButton::clicked, this, [this] {
        ctx_.platform.showHelp(this, platform::helpTopic(u"book"_qs, u"compila"_qs));
    });
}

QString TfrmApriRegistro::mode() const {
    return lblMemory_->text();
}

void TfrmApriRegistro::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (!event->spontaneous()) fill();
}

void TfrmApriRegistro::fill() {
    lblMemory_->setText(u"avvio"_qs);
    const QStringList names = listRegisters(ctx_.folder);
    lstFiles_->clear();
    lstFiles_->addItems(names);
    lblCreati_->setText(registerCountLine(names.size()));
}

std::optional<QString> TfrmApriRegistro::selected(const QString& noSelectionMessage) {
    if (lstFiles_->count() == 0) {
        ctx_.platform.message(this, MsgKind::Warning, emptyListMessage());
        return std::nullopt;
    }
    const QListWidgetItem* item = lstFiles_->currentItem();
    if (!item || !item->isSelected()) {
        ctx_.platform.message(this, MsgKind::Warning, noSelectionMessage);
        return std::nullopt;
    }
    return item->text();
}

void TfrmApriRegistro::openSelected() {
    const std::optional<QString> file = selected(selectToOpenMessage());
    if (!file) return;
    chosen_ = *file;
    lblMemory_->setText(u"registro"_qs);
    close();
}

void TfrmApriRegistro::deleteSelected() {
    const std::optional<QString> file = selected(selectToDeleteMessage());
    if (!file) return;
    if (ctx_.platform.message(this, MsgKind::Question, confirmDeleteQuestion()) ==
        platform::Answer::No)
        return;
    if (deleteRegister(ctx_.folder, *file))
        ctx_.platform.message(this, MsgKind::Information, deletedMessage());
    else
        ctx_.platform.message(this, MsgKind::Warning, deleteFailedMessage());
    fill();
}

void TfrmApriRegistro::editTitlePage() {
    TfrmFrontespizioReg dialog(ctx_, this);
    ctx_.platform.runModal(dialog);
}

void TfrmApriRegistro::onClose() {
    QWidget* editor = ctx_.windows.find(u"TfrmRegistro"_qs);
    if (mode() != u"registro" || !editor) {
        ctx_.windows.switchTo(u"TfrmAvvio"_qs, this);
        return;
    }
    // The editor opens the register named in its labels each time it is shown.
    if (auto* file = editor->findChild<QLabel*>(u"lblFile"_qs)) file->setText(ctx_.path(chosen_));
    if (auto* name = editor->findChild<QLabel*>(u"lblNome"_qs))
        name->setText(registerDisplayName(chosen_));
    ctx_.windows.switchTo(u"TfrmRegistro"_qs, this);
}

} // namespace book
