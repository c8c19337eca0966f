#pragma once

#include "reports/report.h"
#include "reports/report_template.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <array>

namespace book {

// The members' book title page: ten texts kept in Libro_Soci.ini, section "Frontespizio
// Registro", one title page for every register.
inline const QString kTitleIniFileName = QStringLiteral("Libro_Soci.ini");
inline const QString kTitleSection = QStringLiteral("Frontespizio Registro");

// One text of the title page: its key, the window's field (also the template's box) and
// the field's typing limit. In the order of the Enter ring.
struct TitleKey {
    const char* key;
    const char* control;
    int limit;
};
inline constexpr TitleKey kTitleKeys[] = {
    {"Denominazione Associazione", "txtComune", 250},
    {"Sede Legale", "txtProvincia", 250},
    {"Numero Libro", "txtNumero", 50},
    {"Totale Soci", "txtPagine", 50},
    {"Attivita Svolte", "txtCommittente", 250},
    {"Indirizzo Postale", "txtImpresa", 250},
    {"Codice Fiscale", "txtOggetto", 250},
    {"Recapiti Telefonici", "txtEstremi", 250},
    {"Firma Presidente", "txtDirettore", 50},
    {"Firma Segretario", "txtResponsabile", 50},
};
inline constexpr std::size_t kTitleKeyCount = std::size(kTitleKeys);
using TitleTexts = std::array<QString, kTitleKeyCount>;

// Missing file, section or key read as empty.
TitleTexts readTitlePage(const QString& iniPath);
// Writes the ten keys, each trimmed; the file's other lines stay as they were. False when the
// file cannot be read or written.
bool writeTitlePage(const QString& iniPath, const TitleTexts& texts);

// Shown when closing the title page window could not write the file.
QString titlePageNotSavedMessage();

// "repFrontespizio": A4 landscape, margins 0, the border, bands, pictures, four boxes with
// expressions evaluated and the signatures.
reports::Template titleTemplate();
// The lettering of the three pictures (LIBRO SOCI, N., TOT. SOCI:) in bold serif type.
QImage titleLettering(const QString& text);

// The title page as the window previews or prints it: landscape, filled, prepared.
reports::Report printedTitlePage(const TitleTexts& texts, const QDate& today);

} // namespace book
