#include "book/frm_frontespizio_reg.h"

#include "book/book_ui.h"
#include "core/text.h"
#include "platform/print_prompt.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace book {

namespace {

// Where each field stands: its caption (or lettering picture), and its place.
struct Place {
    const char* caption;
    bool lettering; // the caption is drawn like the printed picture
    QRect label, field;
};
const Place kPlaces[kTitleKeyCount] = {
    {"Denominazione:", false, {20, 20, 250, 22}, {20, 42, 720, 26}},
    {"Sede legale:", false, {20, 76, 250, 22}, {20, 98, 720, 26}},
    {"N.", true, {20, 138, 30, 24}, {56, 136, 250, 26}},
    {"TOT. SOCI:", true, {380, 138, 100, 24}, {490, 136, 250, 26}},
    {"Attività svolte:", false, {20, 176, 400, 22}, {20, 198, 720, 26}},
    {"Indirizzo postale:", false, {20, 232, 400, 22}, {20, 254, 720, 26}},
    {"Codice Fiscale / Estremi Iscrizione:", false, {20, 288, 400, 22}, {20, 310, 720, 26}},
    {"Recapiti telefonici e di posta elettronica:", false, {20, 344, 400, 22}, {20, 366, 720, 26}},
    {"Il Presidente:", false, {20, 404, 300, 22}, {20, 426, 340, 26}},
    {"Il Segretario:", false, {400, 404, 300, 22}, {400, 426, 340, 26}},
};

} // namespace

TfrmFrontespizioReg::TfrmFrontespizioReg(platform::Context& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmFrontespizioReg"_qs, u" Frontespizio Libro Soci"_qs,
                          {760, 520});
    build();
    const TitleTexts stored = readTitlePage(ctx_.path(kTitleIniFileName));
    for (std::size_t i = 0; i < kTitleKeyCount; ++i) {
        // The limit holds back typing only: a longer stored value is shown and kept whole.
        fields_[i]->setMaxLength(std::max<int>(kTitleKeys[i].limit, int(stored[i].size())));
        fields_[i]->setText(stored[i]);
    }
    fields_[0]->setFocus(Qt::OtherFocusReason);
}

void TfrmFrontespizioReg::build() {
    for (std::size_t i = 0; i < kTitleKeyCount; ++i) {
        const Place& p = kPlaces[i];
        QLabel* caption = platform::makeLabel(this, {});
        if (p.lettering) {
            caption->setObjectName(u"img"_qs + QLatin1String(kTitleKeys[i].control).mid(3));
            caption->setPixmap(
                QPixmap::fromImage(titleLettering(QString::fromUtf8(p.caption)))
                    .scaled(p.label.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        } else {
            caption->setText(QString::fromUtf8(p.caption));
        }
        caption->setGeometry(p.label);
        fields_[i] =
            platform::makeEdit(this, QLatin1String(kTitleKeys[i].control), kTitleKeys[i].limit);
        fields_[i]->setGeometry(p.field);
        styleBookField(fields_[i]);
    }
    platform::chainEnter(QList<QWidget*>(fields_.begin(), fields_.end()), true);

    QPushButton* anteprima = textButton(this, u"btnAnteprima"_qs, u"Anteprima"_qs, u"anteprima"_qs);
    anteprima->setGeometry(380, 474, 116, 32);
    QPushButton* stampa = textButton(this, u"btnStampa"_qs, u"Stampa"_qs, u"stampa"_qs);
    stampa->setGeometry(502, 474, 116, 32);
    QPushButton* chiudi = textButton(this, u"btnChiudi"_qs, u"Chiudi"_qs, u"chiudi"_qs);
    chiudi->setGeometry(624, 474, 116, 32);
    for (QPushButton* b : {anteprima, stampa, chiudi}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(anteprima, &QPushButton::clicked, this, &TfrmFrontespizioReg::preview);
    connect(stampa, &QPushButton::clicked, this, &TfrmFrontespizioReg::print);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TitleTexts TfrmFrontespizioReg::texts() const {
    TitleTexts out;
    for (std::size_t i = 0; i < kTitleKeyCount; ++i)
        out[i] = core::trimText(fields_[i]->text());
    return out;
}

void TfrmFrontespizioReg::preview() {
    platform::printNow(ctx_, this, platform::PrintMode::Preview, [this] {
        return platform::printJob(printedTitlePage(texts(), ctx_.platform.today()));
    });
}

void TfrmFrontespizioReg::print() {
    platform::printNow(ctx_, this, platform::PrintMode::Print, [this] {
        return platform::printJob(printedTitlePage(texts(), ctx_.platform.today()));
    });
}

void TfrmFrontespizioReg::done(int result) {
    // Every way of closing keeps what was typed; there is no cancel. A character the file
    // cannot hold keeps the window open on its field instead of being written as another.
    for (std::size_t i = 0; i < kTitleKeyCount; ++i)
        if (platform::showProblem(ctx_, this,
                                  platform::storableProblem(fields_[i]->text(), 0,
                                                            QLatin1String(kTitleKeys[i].key),
                                                            QLatin1String(kTitleKeys[i].control))))
            return;
    if (!writeTitlePage(ctx_.path(kTitleIniFileName), texts()))
        ctx_.platform.message(this, platform::MsgKind::Warning, titlePageNotSavedMessage());
    QDialog::done(result);
}

} // namespace book
