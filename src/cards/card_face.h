#pragma once

#include "cards/card_templates.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace cards {

// A picture box that keeps the whole picture (for printing) and shows it scaled to fit with
// its proportions kept, centred.
class CardPicture : public QLabel {
    Q_OBJECT
public:
    explicit CardPicture(QWidget* parent);
    void setImage(const QImage& image);
    // The picture held; one put in from outside with setPixmap() counts too.
    QImage image() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    QImage image_;
    qint64 shownKey_ = 0;
};

// The on-screen mock-up of one card, drawn from the printed card's own objects at
// `pxPerMm`. Its controls are named as the card windows name them, with `suffix`: the
// organisation texts `titAssociazione`, `titSottotitolo01`, `titSottotitolo02`,
// `titAnnotazioni`, the member texts `txtTesserato` ... `txtDataScade`, the pictures
// `imgFoto` and `imgLogo`.
class CardFace : public QWidget {
    Q_OBJECT
public:
    // `shortCaptions`: the date captions read "Ril." and "Scad." (the small sheet cards).
    CardFace(QWidget* parent, CardStyle style, double pxPerMm, const QString& suffix = {},
             bool shortCaptions = false);

    QLabel* label(const QString& name) const; // by its name without the suffix
    CardPicture* photo() const { return photo_; }
    CardPicture* logo() const { return logo_; }
    // Where an object of the card stands in this widget, in pixels.
    QRect place(const QString& name) const;

    OrganisationTexts organisation() const;
    void setOrganisation(const OrganisationTexts& texts);
    void setMember(const QString& tesserato, const QString& carica, const QString& numTessera,
                   const QString& dataRil, const QString& dataScade);
    void setBlankMember();   // the placeholder texts and photo
    void setClearedMember(); // empty texts, the placeholder photo
    CardContent content() const;

signals:
    void organisationClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString suffix_;
    double pxPerMm_;
    CardPicture* photo_ = nullptr;
    CardPicture* logo_ = nullptr;
    std::vector<reports::ReportObject> objects_;
};

// Names on screen of the card's objects: the organisation texts are fixed captions there.
QString screenName(const QString& templateName);

} // namespace cards
