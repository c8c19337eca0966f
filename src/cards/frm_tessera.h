#pragma once

#include "cards/card_face.h"
#include "cards/member_finder.h"
#include "core/navigation.h"
#include "members/member_record.h"
#include "platform/ui.h"

class QLabel;

namespace cards {

// The single card: one member of Tesserati.pro on the card as it will print, with the
// organisation's texts and logo, which this window owns and saves when it closes.
class TfrmTessera : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmTessera(platform::Context& ctx);

    CardFace* card() const { return card_; }
    CardContent content() const { return card_->content(); }
    // The record number shown, 0 when none.
    qint64 position() const;
    // Shows record `number` with its photo; the access message when it cannot be read.
    bool showRecord(qint64 number);
    void setOrganisation(const OrganisationTexts& texts) { card_->setOrganisation(texts); }
    void setLogo(const QImage& image, bool changedByUser);

    void setMemberFinder(MemberFinder finder) { finder_ = std::move(finder); }

public slots:
    void blankCard(); // cmdNuovo
    void find();
    void first();
    void previous();
    void next();
    void last();
    void clearPhoto();
    void clearLogo();
    void chooseLogo();
    void editOrganisation();
    void preview();
    void print();
    void help();

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    void buildCard();
    void navigate(core::NavCommand command);
    void loadPhoto(qint64 number);
    void showMember(const members::Member& member);
    void saveOrganisation();

    MemberFinder finder_ = findMember;
    CardFace* card_ = nullptr;
    QLabel* panInfo_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    bool logoChanged_ = false;
};

} // namespace cards
