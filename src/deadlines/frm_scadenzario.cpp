#include "deadlines/frm_scadenzario.h"

#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_help.h"
#include "deadlines/deadline_record.h"
#include "deadlines/scadenzario_fields.h"
#include "platform/input_rules.h"

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

QLabel* picture(QWidget* parent, const QString& name, const QString& art, int size) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(QIcon(art).pixmap(size, size));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QGroupBox* section(QWidget* parent, const QString& name, const QString& title, const QRect& r) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(r);
    return g;
}

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

    // The year to open.
    auto* archive = section(panAvvio_, QStringLiteral("grpArchivio"),
                            QStringLiteral(" Archivio annuale "), {40, 110, 440, 210});
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
    auto* alert = section(panAvvio_, QStringLiteral("grpImminenti"),
                          QStringLiteral(" Scadenze imminenti "), {40, 340, 440, 250});
    auto* info06 = platform::makeLabel(alert, QStringLiteral("Visualizza le scadenze imminenti."),
                                       QStringLiteral("lblInfo06"));
    info06->setFont(bold);
    info06->setGeometry(20, 30, 400, 22);
    platform::makeLabel(alert, QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."),
                        QStringLiteral("lblOK"))
        ->setGeometry(20, 58, 400, 22);
    imgPresenti_ = picture(alert, QStringLiteral("imgPresenti"),
                           QStringLiteral(":/art/scad_presenti.svg"), 96);
    imgAssenti_ =
        picture(alert, QStringLiteral("imgAssenti"), QStringLiteral(":/art/scad_assenti.svg"), 96);
    imgPresenti_->setToolTip(QStringLiteral("Ci sono scadenze imminenti."));
    imgAssenti_->setToolTip(QStringLiteral("Non ci sono scadenze imminenti."));
    for (QLabel* img : {imgPresenti_, imgAssenti_})
        img->setGeometry(20, 100, 120, 120);
    imgPresenti_->hide();
    btnOK_ = new QPushButton(QStringLiteral("OK"), alert);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(170, 142, 110, 34);
    btnOK_->setEnabled(false);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmScadenzario::imminentList);

    // The calendar of the day and month lists.
    auto* calendar =
        section(panAvvio_, QStringLiteral("grpCalendario"),
                QStringLiteral(" Calendario degli appuntamenti "), {515, 110, 440, 480});
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

    struct Corner {
        const char* name;
        const char* art;
        const char* tip;
        int x;
    };
    for (const Corner& c :
         {Corner{"imgGuida", "guida", "Guida", 851}, Corner{"imgEsci", "esci", "Esci", 907}}) {
        auto* b = platform::pictureButton(panAvvio_, QLatin1String(c.name),
                                          QStringLiteral(":/art/%1.svg").arg(QLatin1String(c.art)),
                                          QLatin1String(c.tip), {40, 40});
        b->setGeometry(c.x, 612, 48, 48);
        if (QLatin1String(c.name) == QLatin1String("imgGuida"))
            connect(b, &QToolButton::clicked, this, &TfrmScadenzario::help);
        else
            connect(b, &QToolButton::clicked, this, &QWidget::close);
    }

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
    openedYear_ = trimmed; // New shows it in lblAnno
    setWindowTitle(kCaption + QStringLiteral(" anno ") + trimmed);
    panAvvio_->hide();
    panContainer_->show();
    newSheet(); // nothing is opened yet
}

void TfrmScadenzario::help() {
    ctx_.platform.showHelp(this, deadlineHelp());
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
