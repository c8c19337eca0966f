#include "members/member_pick.h"

#include "members/frm_anagrafica.h"
#include "members/frm_importa_soci.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_archive.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

namespace members {

namespace {

using Assign = MemberPickMode::Assign;

Assign take(const QString& control, MemberField f) {
    return {control, [f](const Member& m) { return m[f]; }};
}

std::vector<MemberPickMode> buildModes() {
    std::vector<MemberPickMode> modes;
    // The member window loads the whole record as its navigation does.
    modes.push_back({u"anagrafica"_qs, u"TfrmAnagrafica"_qs, {}, {}, {}, [](platform::Context& ctx, qint64 n) {
                         auto* w = ctx.windows.get<TfrmAnagrafica>(u"TfrmAnagrafica"_qs);
                         return w && w->loadRecord(n);
                     }});

    modes.push_back({u"tessera"_qs, u"TfrmTessera"_qs,
                     {take(u"txtTesserato"_qs, Tesserato), take(u"txtCarica"_qs, Carica),
                      take(u"txtNumTessera"_qs, NumTessera), take(u"txtDataRil"_qs, DataRil),
                      take(u"txtDataScade"_qs, DataScade)},
                     u"lblPosizione"_qs, u"imgFoto"_qs, {}});
    for (int i = 0; i < 9; ++i) {
        const QString card = QString(QChar(u'A' + i));
        const QString s = u'_' + card;
        modes.push_back({u"tessere_0"_qs + QString::number(i + 1), u"TfrmTessere"_qs,
                         {take(u"txtTesserato"_qs + s, Tesserato), take(u"txtCarica"_qs + s, Carica),
                          take(u"txtNumTessera"_qs + s, NumTessera), take(u"txtDataRil"_qs + s, DataRil),
                          take(u"txtDataScade"_qs + s, DataScade)},
                         u"lblPosizione"_qs, u"imgFoto"_qs + s, {}});
    }
    modes.push_back({u"scadenzario"_qs, u"TfrmScadenzario"_qs,
                     {take(u"txtPagatore"_qs, Tesserato), take(u"txtCodFisc"_qs, CodFisc),
                      take(u"txtNumTessera"_qs, NumTessera), take(u"txtCarica"_qs, Carica),
                      take(u"txtTelCel"_qs, TelCel), take(u"txtRecapito"_qs, Recapito)},
                     {}, {}, {}});
    modes.push_back({u"movimenti_pagatore"_qs, u"TfrmMovimenti"_qs,
                     {take(u"txtPagatore"_qs, Tesserato), take(u"txtRecapitoPag"_qs, Recapito),
                      take(u"txtCodFisc"_qs, CodFisc), take(u"txtPartitaIva"_qs, PartitaIva),
                      take(u"txtCategoria"_qs, NumTessera), take(u"txtEmail"_qs, Email)},
                     {}, {}, {}});
    modes.push_back({u"movimenti_beneficiario"_qs, u"TfrmMovimenti"_qs,
                     {take(u"txtBeneficiario"_qs, Tesserato), take(u"txtRecapitoBen"_qs, Recapito)},
                     {}, {}, {}});
    // The members'-book picker: rows A to D of a register page.
    for (int i = 0; i < 4; ++i) {
        const QString s = u'_' + QString(QChar(u'A' + i));
        modes.push_back(
            {u"socio_"_qs + QString(QChar(u'a' + i)), u"TfrmRegistro"_qs,
             {take(u"txtSocio"_qs + s, Tesserato), take(u"txtLuogoNasc"_qs + s, ComuneNasc),
              take(u"txtDataNasc"_qs + s, DataNasc), take(u"txtCodFisc"_qs + s, CodFisc),
              {u"txtIndirizzo"_qs + s,
               [](const Member& m) {
                   // One blank between the parts even when a part is empty.
                   return m[IndirizzoRes] + u' ' + m[CapRes] + u' ' + m[ComuneRes] + u' ' + m[ProvRes];
               }},
              take(u"txtTelefono"_qs + s, Recapito), take(u"txtTessera"_qs + s, NumTessera),
              take(u"txtDataAmm"_qs + s, DataRil), take(u"txtQuota"_qs + s, Titoli)},
             {}, {}, {}});
    }
    return modes;
}

std::vector<MemberPickMode>& modeTable() {
    static std::vector<MemberPickMode> modes = buildModes();
    return modes;
}

void writeText(QWidget* window, const QString& control, const QString& text) {
    if (auto* edit = window->findChild<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* label = window->findChild<QLabel*>(control))
        label->setText(text);
}

void showPhoto(platform::Context& ctx, QLabel* box, qint64 number) {
    QImage photo(ctx.path(photoFileName(number)));
    const QSize size = box->size();
    QPixmap shown = photo.isNull() ? QIcon(u":/art/foto_vuota.svg"_qs).pixmap(size)
                                   : QPixmap::fromImage(photo.scaled(size, Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation));
    box->setPixmap(shown);
}

} // namespace

const std::vector<MemberPickMode>& memberPickModes() { return modeTable(); }

const MemberPickMode* findMemberPickMode(const QString& mode) {
    for (const MemberPickMode& m : modeTable())
        if (m.mode == mode)
            return &m;
    return nullptr;
}

bool applyMemberPick(platform::Context& ctx, const QString& mode, qint64 number) {
    const MemberPickMode* m = findMemberPickMode(mode);
    if (!m)
        return false;
    if (m->load)
        return m->load(ctx, number);
    QWidget* window = ctx.windows.find(m->window);
    if (!window)
        return false;
    const std::optional<Member> member = MemberArchive(ctx.folder).read(number);
    if (!member)
        return false;
    for (const auto& a : m->fields)
        writeText(window, a.control, a.value(*member));
    if (!m->positionLabel.isEmpty())
        writeText(window, m->positionLabel, QString::number(number));
    if (!m->photoBox.isEmpty())
        if (auto* box = window->findChild<QLabel*>(m->photoBox))
            showPhoto(ctx, box, number);
    return true;
}

bool searchMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    TfrmTrovaAnagrafica dialog(ctx, parent, mode);
    if (ctx.platform.runModal(dialog) != QDialog::Accepted || !dialog.pickedRecord())
        return false;
    return applyMemberPick(ctx, mode, *dialog.pickedRecord());
}

bool pickBookMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    TfrmImportaSoci dialog(ctx, parent, mode);
    if (ctx.platform.runModal(dialog) != QDialog::Accepted || !dialog.pickedRecord())
        return false;
    return applyMemberPick(ctx, mode, *dialog.pickedRecord());
}

} // namespace members
