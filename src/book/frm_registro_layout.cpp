// The page editor's heading and four member rows: where each control sits, the row colours and
// the focus shown by the row fields.
#include "book/frm_registro.h"

#include "platform/attachments.h"
#include "platform/toolbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace book {

namespace {

// Heading: caption, control, x, y, caption width, field width.
struct HeadingPlace {
    const char* caption;
    const char* control;
    int x, y, captionWidth, width;
};
const HeadingPlace kHeading[] = {
    {"Libro Soci n.", "txtNumero", 8, 96, 100, 110},
    {"Denominazione Associazione:", "txtDenominazione", 236, 96, 186, 556},
    {"Codice Fiscale:", "txtCodFisc", 8, 126, 100, 160},
    {"Presidente:", "txtPresidente", 324, 126, 76, 240},
    {"Segretario:", "txtSegretario", 656, 126, 76, 246},
};

// One column of a row: caption, the field, its left edge and width inside the row.
struct Column {
    const char* caption;
    RowField field;
    int x, width;
};
constexpr int kLine1 = 0, kLine2 = 1;
const Column kColumns[2][7] = {
    {{"N. Ord.", Ordine, 0, 52},
     {"Cognome e nome", Socio, 58, 196},
     {"Luogo di nascita", LuogoNasc, 290, 164},
     {"Data di nascita", DataNasc, 460, 92},
     {"Codice fiscale", CodFiscSocio, 558, 150},
     {"Indirizzo di residenza", Indirizzo, 714, 231},
     {nullptr, Ordine, 0, 0}},
    {{"Telefono", Telefono, 0, 124},
     {"Tessera n.", Tessera, 130, 110},
     {"Data ammissione", DataAmm, 246, 104},
     {"Quota sociale €", Quota, 356, 100},
     {"Data uscita", DataUsc, 462, 92},
     {"Motivo uscita", Motivo, 560, 180},
     {"Annotazioni", Annotazioni, 746, 199}},
};
constexpr int kRowLeft = 42, kRowTop = 160, kRowStep = 124, kCaption = 16, kField = 24;
constexpr int kLineStep = 48;
const QColor kLinen(0xFA, 0xF0, 0xE6);
const QColor kBrown(0xA5, 0x2A, 0x2A);
const QColor kCornflowerBlue(0x64, 0x95, 0xED);

QString rowFieldStyle(int row) {
    const QString rest = row % 2 == 0 ? u"#FFFFFF"_qs : kLinen.name();
    return u"QLineEdit { background: "_qs + rest +
           u"; border: 1px solid #87CEEB; } QLineEdit:focus { background: #FFFF00; }"_qs;
}

} // namespace

void TfrmRegistro::buildHeading() {
    lblNome_ = platform::makeLabel(panel(), u"Libro Soci"_qs, u"lblNome"_qs);
    QFont title = lblNome_->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 4);
    lblNome_->setFont(title);
    lblNome_->setAlignment(Qt::AlignCenter);
    lblNome_->setGeometry(8, 66, 979, 26);
    for (const HeadingPlace& h : kHeading) {
        platform::makeLabel(panel(), QString::fromUtf8(h.caption))
            ->setGeometry(h.x, h.y, h.captionWidth, kField);
        auto* field = new QLineEdit(panel());
        field->setObjectName(QLatin1String(h.control));
        field->setGeometry(h.x + h.captionWidth + 4, h.y, h.width, kField);
    }
    QToolButton* check = platform::pictureButton(panel(), u"btnCodFisc"_qs, u":/art/codfisc.svg"_qs,
                                                 u"Controlla il codice fiscale."_qs, {22, 22});
    check->setGeometry(8 + 100 + 4 + 160 + 4, 123, 30, 30);
    platform::setStatusHint(check, panInfo_, u"Controlla il codice fiscale."_qs);
    connect(check, &QToolButton::clicked, this, &TfrmRegistro::checkCodFisc);

    platform::addAttachmentLabels(this);
}

void TfrmRegistro::buildRows() {
    const QString dateHint = u"Fai clic su questo campo e premi un tasto qualsiasi per importare "
                             u"una data dal calendario."_qs;
    for (int row = 0; row < kRows; ++row) {
        const int top = kRowTop + row * kRowStep;
        const QString suffix = rowSuffix(row);
        const QColor mark = row % 2 == 0 ? kBrown : kCornflowerBlue;

        // The row mark: its letter on the row's colour, the height of both lines.
        QLabel* letter =
            platform::makeLabel(panel(), QString(rowLetter(row)), u"lblRiga"_qs + suffix);
        letter->setAlignment(Qt::AlignCenter);
        letter->setStyleSheet(u"QLabel { background: "_qs + mark.name() +
                              u"; color: white; font-weight: bold; font-size: 14pt; }"_qs);
        letter->setGeometry(8, top, 28, kLineStep + kCaption + kField);

        for (int line : {kLine1, kLine2})
            for (const Column& c : kColumns[line]) {
                if (!c.caption) continue;
                const int y = top + line * kLineStep;
                QLabel* caption = platform::makeLabel(panel(), QString::fromUtf8(c.caption));
                caption->setGeometry(kRowLeft + c.x, y, c.width, kCaption);
                caption->setStyleSheet(u"QLabel { color: "_qs + mark.name() + u"; }"_qs);
                auto* field = new QLineEdit(panel());
                field->setObjectName(controlName(rowField(row, c.field)));
                field->setGeometry(kRowLeft + c.x, y + kCaption, c.width, kField);
                field->setStyleSheet(rowFieldStyle(row));
                if (c.field == DataNasc || c.field == DataAmm || c.field == DataUsc)
                    platform::setStatusHint(field, panInfo_, dateHint);
            }

        // The import arrow right of the name field.
        const Column& name = kColumns[kLine1][1];
        QToolButton* import = platform::pictureButton(
            panel(), u"impSocio"_qs + suffix, u":/art/importa.svg"_qs,
            u"Importa i dati dall'archivio anagrafico dei soci."_qs, {22, 22});
        import->setGeometry(kRowLeft + name.x + name.width + 2, top + kCaption - 3, 30, 30);
        platform::setStatusHint(import, panInfo_,
                                u"Importa i dati dall'archivio anagrafico dei soci."_qs);
        connect(import, &QToolButton::clicked, this, [this, row] { importMember(row); });
    }
}

void TfrmRegistro::unpaintRowFrames() {
    // Row fields show the focus by their yellow background: their frame stays unpainted.
    for (int field = HeadingFieldCount; field < kFirstAttachment; ++field)
        if (auto* frame =
                panel()->findChild<QWidget*>(u"eff"_qs + QLatin1String(kPageFields[field].name)))
            frame->setAutoFillBackground(false);
}

} // namespace book
