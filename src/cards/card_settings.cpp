#include "cards/card_settings.h"

#include "core/ini_file.h"
#include "core/text.h"
#include "members/member_photo.h"

#include <QFileInfo>
#include <QIcon>
#include <QPainter>

namespace cards {

namespace {

const QString kOrganisation = QStringLiteral("Dati Ente");
const QString kMargins = QStringLiteral("Margini Stampa");
const QString kPrint = QStringLiteral("Stampa Tesserino");
const QString kPortrait = QStringLiteral("Verticale");
const QString kLandscape = QStringLiteral("Orizzontale");

struct OrganisationKey {
    const char* key;
    QString OrganisationTexts::*text;
};
const OrganisationKey kOrganisationKeys[] = {
    {"Denominazione", &OrganisationTexts::name},
    {"Sottotitolo 1", &OrganisationTexts::subtitle1},
    {"Sottotitolo 2", &OrganisationTexts::subtitle2},
    {"Annotazioni", &OrganisationTexts::notes},
};

QImage white(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

} // namespace

OrganisationTexts readOrganisation(const QString& iniPath) {
    core::IniFile ini(iniPath);
    ini.load(); // an unreadable file reads as empty
    OrganisationTexts out;
    for (const OrganisationKey& k : kOrganisationKeys)
        out.*k.text = ini.value(kOrganisation, QLatin1String(k.key));
    return out;
}

bool writeOrganisation(const QString& iniPath, const OrganisationTexts& texts) {
    return core::IniFile::update(iniPath, [&](core::IniFile& ini) {
        for (const OrganisationKey& k : kOrganisationKeys)
            ini.setValue(kOrganisation, QLatin1String(k.key), core::trimText(texts.*k.text));
    });
}

int marginValue(const QString& text) {
    bool ok = false;
    const int n = core::trimText(text).toInt(&ok);
    return ok ? n : 0;
}

CardPrintSettings readPrintSettings(const QString& iniPath) {
    core::IniFile ini(iniPath);
    ini.load();
    CardPrintSettings s;
    s.top = marginValue(ini.value(kMargins, QStringLiteral("Superiore")));
    s.left = marginValue(ini.value(kMargins, QStringLiteral("Sinistro")));
    s.landscape = core::trimText(ini.value(kPrint, QStringLiteral("Orientamento"))) == kLandscape;
    return s;
}

bool writePrintSettings(const QString& iniPath, const CardPrintSettings& settings) {
    return core::IniFile::update(iniPath, [&](core::IniFile& ini) {
        ini.setValue(kMargins, QStringLiteral("Superiore"), QString::number(settings.top));
        ini.setValue(kMargins, QStringLiteral("Sinistro"), QString::number(settings.left));
        ini.setValue(kPrint, QStringLiteral("Orientamento"),
                     settings.landscape ? kLandscape : kPortrait);
    });
}

QImage placeholderLogo() {
    static const QImage image = [] {
        QImage img = white(kLogoWidth, kLogoHeight);
        QPainter p(&img);
        QIcon(QStringLiteral(":/art/logo_vuoto.svg")).paint(&p, img.rect());
        return img;
    }();
    return image;
}

QImage whiteLogo() {
    return white(kLogoWidth, kLogoHeight);
}
QImage whitePhoto() {
    return white(157, 174);
}

QImage readLogo(const QString& path) {
    return members::readPicture(path);
}

bool writeLogo(const QString& path, const QImage& logo) {
    if (logo.isNull()) return false;
    return members::writeJpeg(path, logo.scaled(kLogoWidth, kLogoHeight, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation));
}

bool logoNeedsWriting(bool changedByUser, const QString& path) {
    return changedByUser || !QFileInfo::exists(path);
}

} // namespace cards
