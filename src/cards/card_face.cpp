#include "cards/card_face.h"

#include "core/text.h"
#include "members/member_photo.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>

#include <cmath>

namespace cards {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

const char* const kOrganisationLabels[] = {"titAssociazione", "titSottotitolo01",
                                           "titSottotitolo02", "titAnnotazioni"};
const char* const kMemberLabels[] = {"txtTesserato", "txtCarica", "txtNumTessera", "txtDataRil",
                                     "txtDataScade"};
const char* const kPlaceholderTexts[] = {"Cognome e nome Socio", "Carica ricoperta", "Tessera n.",
                                         "GG/MM/AAAA", "GG/MM/AAAA"};

QString css(const QColor& c) { return c.name(QColor::HexRgb); }

} // namespace

QString screenName(const QString& templateName) {
    static const QStringList organisation{QStringLiteral("txtAssociazione"), QStringLiteral("txtSottotitolo01"),
                                          QStringLiteral("txtSottotitolo02"), QStringLiteral("txtAnnotazioni")};
    if (organisation.contains(templateName))
        return u"tit"_qs + templateName.mid(3);
    return templateName;
}

// --- CardPicture ---------------------------------------------------------------------------

CardPicture::CardPicture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void CardPicture::setImage(const QImage& image) {
    image_ = image;
    refresh();
}

QImage CardPicture::image() const {
    const QPixmap shown = pixmap();
    if (!shown.isNull() && shown.cacheKey() != shownKey_)
        return shown.toImage();
    return image_;
}

void CardPicture::refresh() {
    if (image_.isNull() || width() <= 0 || height() <= 0) {
        clear();
        shownKey_ = 0;
        return;
    }
    const QSize box = size() * devicePixelRatioF();
    QPixmap pm = QPixmap::fromImage(image_.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pm.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(pm);
    shownKey_ = pixmap().cacheKey();
}

void CardPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void CardPicture::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!image_.isNull() && image().cacheKey() == image_.cacheKey())
        refresh();
}

// --- CardFace ------------------------------------------------------------------------------

CardFace::CardFace(QWidget* parent, CardStyle style, double pxPerMm, const QString& suffix,
                   bool shortCaptions)
    : QWidget(parent), suffix_(suffix), pxPerMm_(pxPerMm),
      objects_(cardObjects(style, {-10, -10})) {
    setFixedSize(int(std::lround(kCardWidthMm * pxPerMm)), int(std::lround(kCardHeightMm * pxPerMm)));
    const int gapX = int(std::lround(reports::unitsToMm(2) * pxPerMm));
    const int gapY = int(std::lround(reports::unitsToMm(1) * pxPerMm));
    for (const reports::ReportObject& o : objects_) {
        const QString name = screenName(o.name) + suffix;
        const QRect r = place(o.name);
        switch (o.kind) {
        case reports::ObjectKind::Rectangle: {
            auto* shape = new QFrame(this);
            shape->setObjectName(name);
            shape->setGeometry(r);
            shape->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; }")
                                     .arg(name, css(o.fill), css(o.outline)));
            break;
        }
        case reports::ObjectKind::Picture: {
            auto* picture = new CardPicture(this);
            picture->setObjectName(name);
            picture->setGeometry(r);
            (o.name == QLatin1String("imgFoto") ? photo_ : logo_) = picture;
            break;
        }
        case reports::ObjectKind::Text: {
            QString text = o.text();
            if (shortCaptions && o.name == QLatin1String("titDataRil"))
                text = QStringLiteral("Ril.");
            else if (shortCaptions && o.name == QLatin1String("titDataScade"))
                text = QStringLiteral("Scad.");
            auto* label = new QLabel(text, this);
            label->setObjectName(name);
            label->setGeometry(r);
            label->setContentsMargins(gapX, gapY, gapX, gapY);
            QFont font = reports::resolveFont(o.font);
            font.setPixelSize(std::max(6, int(std::lround(o.font.pointSize * kMmPerPoint * pxPerMm))));
            label->setFont(font);
            label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(css(o.font.colour)));
            const Qt::Alignment h = o.hAlign == reports::HAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
            const Qt::Alignment v = o.vAlign == reports::VAlign::Top ? Qt::AlignTop : Qt::AlignVCenter;
            label->setAlignment(h | v);
            label->setTextFormat(Qt::PlainText);
            break;
        }
        case reports::ObjectKind::Line:
            break;
        }
    }
    for (const char* n : kOrganisationLabels) {
        QLabel* l = label(QLatin1String(n));
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
    setBlankMember();
}

QRect CardFace::place(const QString& name) const {
    for (const reports::ReportObject& o : objects_)
        if (o.name == name || screenName(o.name) == name) {
            const QRectF r = o.rect;
            const int left = int(std::lround(r.left() * pxPerMm_));
            const int top = int(std::lround(r.top() * pxPerMm_));
            return QRect(left, top, int(std::lround(r.right() * pxPerMm_)) - left,
                         int(std::lround(r.bottom() * pxPerMm_)) - top);
        }
    return {};
}

QLabel* CardFace::label(const QString& name) const { return findChild<QLabel*>(name + suffix_); }

bool CardFace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit organisationClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

OrganisationTexts CardFace::organisation() const {
    return {label(QStringLiteral("titAssociazione"))->text(), label(QStringLiteral("titSottotitolo01"))->text(),
            label(QStringLiteral("titSottotitolo02"))->text(), label(QStringLiteral("titAnnotazioni"))->text()};
}

void CardFace::setOrganisation(const OrganisationTexts& texts) {
    label(QStringLiteral("titAssociazione"))->setText(texts.name);
    label(QStringLiteral("titSottotitolo01"))->setText(texts.subtitle1);
    label(QStringLiteral("titSottotitolo02"))->setText(texts.subtitle2);
    label(QStringLiteral("titAnnotazioni"))->setText(texts.notes);
}

void CardFace::setMember(const QString& tesserato, const QString& carica, const QString& numTessera,
                         const QString& dataRil, const QString& dataScade) {
    const QString* values[] = {&tesserato, &carica, &numTessera, &dataRil, &dataScade};
    for (int i = 0; i < 5; ++i)
        label(QLatin1String(kMemberLabels[i]))->setText(*values[i]);
}

void CardFace::setBlankMember() {
    for (int i = 0; i < 5; ++i)
        label(QLatin1String(kMemberLabels[i]))->setText(QString::fromUtf8(kPlaceholderTexts[i]));
    photo_->setImage(members::placeholderPhoto());
}

void CardFace::setClearedMember() {
    setMember({}, {}, {}, {}, {});
    photo_->setImage(members::placeholderPhoto());
}

CardContent CardFace::content() const {
    CardContent c;
    const OrganisationTexts org = organisation();
    c.organisation = {core::trimText(org.name), core::trimText(org.subtitle1), core::trimText(org.subtitle2),
                      core::trimText(org.notes)};
    c.logo = logo_->image();
    c.photo = photo_->image();
    auto text = [this](const char* n) { return core::trimText(label(QLatin1String(n))->text()); };
    c.tesserato = text("txtTesserato");
    c.carica = text("txtCarica");
    c.numTessera = text("txtNumTessera");
    c.dataRil = text("txtDataRil");
    c.dataScade = text("txtDataScade");
    return c;
}

} // namespace cards
