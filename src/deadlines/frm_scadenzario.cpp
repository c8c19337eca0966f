#include "deadlines/frm_scadenzario.h"

#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_record.h"
#include "deadlines/scadenzario_fields.h"
#include "platform/form_layout.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/menu_window.h"

#include <QCalendarWidget>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCharFormat>
#include <QToolButton>

namespace deadlines {

using platform::MsgKind;

namespace {

const QString kCaption = QStringLiteral(" Quorvix 5.0 - Scadenzario pagamenti");
const QString kSoundFile = QStringLiteral("Avviso.mp3");

enum StartSection { Archivio, Imminenti, Calendario };
const platform::Section kStartSections[] = {
    {"grpArchivio", " Archivio annuale ", {40, 110, 440, 210}},
    {"grpImminenti", " Scadenze imminenti ", {40, 340, 440, 250}},
    {"grpCalendario", " Calendario degli appuntamenti ", {515, 110, 440, 480}},
};

} // namespace

TfrmScadenzario::TfrmScadenzario(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmScadenzario"), kCaption),
      form_(ctx, this, deadlineLayout(), kDeadlineBindings) {
    // Dates are shown and typed as dd/mm/yyyy with the decimal comma, program-wide.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    buildStartPanel();
    buildRecordPanel();
    showStartPanel();
}

void TfrmScadenzario::buildStartPanel() {
    panAvvio_ = new QWidget(panel());
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    panAvvio_->setGeometry(panel()->rect());

    auto* title = platform::makeLabel(panAvvio_, QStringLiteral("Scadenzario pagamenti"),
                                      QStringLiteral("titScadenzario"));
    QFont big = title->font();
    big.setPointSize(20);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: #0b2454;"));
    title->setGeometry(40, 30, 915, 44);
    title->setAlignment(Qt::AlignCenter);

    QFont bold = font();
    bold.setBold(true);

    const std::vector<QGroupBox*> sections = platform::makeSections(panAvvio_, kStartSections);

    // The year to open.
    QGroupBox* archive = sections[Archivio];
    auto* info05 = platform::makeLabel(
        archive,
        QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
        QStringLiteral("lblInfo05"));
    info05->setFont(bold);
    info05->setWordWrap(true);
    info05->setGeometry(20, 30, 400, 44);
    platform::makeLabel(archive, QStringLiteral("Indicare l'anno solare e premere Apri."),
                        QStringLiteral("lblApri"))
        ->setGeometry(20, 80, 400, 22);
    txtAnno_ = platform::makeEdit(archive, QStringLiteral("txtAnno"), 4);
    txtAnno_->setGeometry(20, 130, 90, 30);
    txtAnno_->setAlignment(Qt::AlignCenter);
    QFont yearFont = txtAnno_->font();
    yearFont.setPointSize(13);
    yearFont.setBold(true);
    txtAnno_->setFont(yearFont);
    platform::digitsOnly(txtAnno_);
    platform::addHighlight(txtAnno_);
    auto* apri = new QPushButton(QStringLiteral("Apri"), archive);
    apri->setObjectName(QStringLiteral("btnApri"));
    apri->setIcon(QIcon(QStringLiteral(":/art/apri.svg")));
    apri->setAutoDefault(true); // Enter on the button opens
    apri->setGeometry(130, 128, 110, 34);
    connect(apri, &QPushButton::clicked, this, &TfrmScadenzario::openYear);
    platform::chainEnter({txtAnno_, apri});

    // The alert.
    QGroupBox* alert = sections[Imminenti];
    auto* info06 = platform::makeLabel(alert, QStringLiteral("Visualizza le scadenze imminenti."),
                                       QStringLiteral("lblInfo06"));
    info06->setFont(bold);
    info06->setGeometry(20, 30, 400, 22);
    platform::makeLabel(alert, QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."),
                        QStringLiteral("lblOK"))
        ->setGeometry(20, 58, 400, 22);
    const QRect picturePlace(20, 100, 120, 120);
    imgPresenti_ = platform::addPicture(alert, u":/art/scad_presenti.svg"_qs, 96, picturePlace);
    imgPresenti_->setObjectName(u"imgPresenti"_qs);
    imgAssenti_ = platform::addPicture(alert, u":/art/scad_assenti.svg"_qs, 96, picturePlace);
    imgAssenti_->setObjectName(u"imgAssenti"_qs);
    imgPresenti_->setToolTip(QStringLiteral("Ci sono scadenze imminenti."));
    imgAssenti_->setToolTip(QStringLiteral("Non ci sono scadenze imminenti."));
    imgPresenti_->hide();
    btnOK_ = new QPushButton(QStringLiteral("OK"), alert);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(170, 142, 110, 34);
    btnOK_->setEnabled(false);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmScadenzario::imminentList);

    // The calendar of the day and month lists.
    QGroupBox* calendar = sections[Calendario];
    calAppuntamenti_ = new QCalendarWidget(calendar);
    calAppuntamenti_->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti_->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti_->setGeometry(20, 30, 400, 300);
    calAppuntamenti_->setSelectedDate(ctx_.platform.today()); // kept across shows
    struct DayButton {
        const char* name;
        const char* art;
        const char* caption;
        void (TfrmScadenzario::*slot)();
        int x;
    };
    const DayButton buttons[] = {
        {"btnGiorno", "giorno", "Scadenze del giorno selezionato", &TfrmScadenzario::dayList, 20},
        {"btnMese", "mese", "Scadenze del mese selezionato", &TfrmScadenzario::monthList, 225},
    };
    for (const DayButton& d : buttons) {
        const QString caption = QString::fromUtf8(d.caption);
        auto* b = platform::pictureButton(
            calendar, QLatin1String(d.name),
            QStringLiteral(":/art/scad_%1.svg").arg(QLatin1String(d.art)), caption, {48, 48});
        b->setGeometry(d.x + 60, 350, 64, 64);
        connect(b, &QToolButton::clicked, this, d.slot);
        auto* l = platform::makeLabel(calendar, caption);
        l->setGeometry(d.x, 418, 185, 40);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }

    connect(
        platform::cornerPicture(panAvvio_, u"imgGuida"_qs, u"guida"_qs, u"Guida"_qs, {851, 612}),
        &QToolButton::clicked, this, &TfrmScadenzario::help);
    connect(platform::cornerPicture(panAvvio_, u"imgEsci"_qs, u"esci"_qs, u"Esci"_qs, {907, 612}),
            &QToolButton::clicked, this, &QWidget::close);

    lblFile_ = platform::makeLabel(panAvvio_, {}, QStringLiteral("lblFile"));
    lblFile_->hide();
}

QString TfrmScadenzario::yearFile() const {
    return lblFile_->text();
}
QString TfrmScadenzario::year() const {
    return lblAnno_->text();
}
QDate TfrmScadenzario::selectedDate() const {
    return calAppuntamenti_->selectedDate();
}

void TfrmScadenzario::showStartPanel() {
    setWindowTitle(kCaption);
    panContainer_->hide();
    panAvvio_->show();
}

void TfrmScadenzario::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (event->spontaneous()) return;
    showStartPanel();
    txtAnno_->setText(QString::number(ctx_.platform.today().year()).rightJustified(4, u'0'));
    txtAnno_->setFocus();
    runAlert();
}

void TfrmScadenzario::runAlert() {
    const std::optional<int> count = countImminent(ctx_.folder, ctx_.platform.today());
    if (!count) // the alert never stops the window: the indicators stay as they were
        return;
    const bool present = *count > 0;
    imgPresenti_->setVisible(present);
    imgAssenti_->setVisible(!present);
    btnOK_->setEnabled(present);
    if (!present) return;
    // No sound file, no sound, and nothing said about it.
    const QFileInfo sound(ctx_.path(kSoundFile));
    if (sound.isFile() && sound.isReadable()) {
        ctx_.platform.playSound(sound.absoluteFilePath());
        soundLoaded_ = true;
    }
}

void TfrmScadenzario::openYear() {
    const QString year = txtAnno_->text();
    if (year.size() != 4) {
        ctx_.platform.message(
            this, MsgKind::Warning,
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno_->setFocus();
        return;
    }
    const QString trimmed = year.trimmed();
    lblFile_->setText(ctx_.path(yearFileName(trimmed)));
    lblAnno_->setText(trimmed);
    openedYear_ = trimmed;
    setWindowTitle(kCaption + QStringLiteral(" anno ") + trimmed);
    panAvvio_->hide();
    panContainer_->show();
    newSheet(); // nothing is opened yet
}

void TfrmScadenzario::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"deadlines"_qs, u"scadenzario"_qs));
}

void TfrmScadenzario::onClose() {
    showStartPanel();
    if (soundLoaded_) {
        ctx_.platform.stopSound();
        soundLoaded_ = false;
    }
    WorkArea::onClose();
}

} // namespace deadlines
