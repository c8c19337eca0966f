#pragma once

#include <QImage>
#include <QString>

namespace cards {

// Tesserini.ini and Logo.jpg in the program folder.
inline const QString kSettingsFileName = QStringLiteral("Tesserini.ini");
inline const QString kLogoFileName = QStringLiteral("Logo.jpg");
inline constexpr int kLogoWidth = 119;
inline constexpr int kLogoHeight = 118;

// The organisation's heading, subtitles and footer note, the same on every card.
struct OrganisationTexts {
    QString name;
    QString subtitle1;
    QString subtitle2;
    QString notes;
    bool operator==(const OrganisationTexts&) const = default;
};

// Missing file or keys read as empty texts.
OrganisationTexts readOrganisation(const QString& iniPath);
// Writes the four keys of "Dati Ente", each trimmed. False when the file cannot be written.
bool writeOrganisation(const QString& iniPath, const OrganisationTexts& texts);

// Margins of the single card in whole millimetres (may be negative) and its orientation.
struct CardPrintSettings {
    int top = 0;
    int left = 0;
    bool landscape = false;
    bool operator==(const CardPrintSettings&) const = default;
};

// A blank or unreadable margin is 0; an orientation other than "Orizzontale" is portrait.
CardPrintSettings readPrintSettings(const QString& iniPath);
bool writePrintSettings(const QString& iniPath, const CardPrintSettings& settings);

// A margin field's text as a whole number (blank or not a number: 0).
int marginValue(const QString& text);

// The pictures that belong to the card windows.
QImage placeholderLogo();  // 119 x 118, marked as a logo
QImage whiteLogo();        // a cleared logo
QImage whitePhoto();       // a cleared photo

// Logo.jpg: the picture, or a null image when it is missing or unreadable.
QImage readLogo(const QString& path);
// Stretches `logo` to 119 x 118 (proportions not kept) and writes it as JPEG through a
// temporary file, so a failure leaves the old file. False on failure.
bool writeLogo(const QString& path, const QImage& logo);

// Whether closing the card window should write Logo.jpg: only when the user changed the logo
// there, or when there is no file yet. An unchanged logo is not re-encoded at every close, and
// a file that exists but could not be read is not overwritten with the placeholder.
bool logoNeedsWriting(bool changedByUser, const QString& path);

} // namespace cards
