#pragma once

#include "cards/card_face.h"
#include "cards/member_finder.h"
#include "platform/ui.h"

#include <array>

class QLabel;

namespace cards {

// Nine cards of different members on one A4 sheet. Slots 0..8 on screen are numbered 1..9
// and lettered A..I in control names.
class TfrmTessere : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmTessere(platform::Context& ctx);

    CardFace* slot(int index) const { return slots_[index]; }
    std::array<CardContent, kSheetSlots> contents() const;
    QString position() const;

    // Fills slot `index` from record `number`: texts, photo, and the shared position label.
    bool importRecord(int index, qint64 number);
    void setMemberFinder(MemberFinder finder) { finder_ = std::move(finder); }

public slots:
    void importSlot(int index); // btnImporta01..09
    void clearSlot(int index);  // cmdCancella01..09
    void clearAll();            // cmdNuovo
    void askClearAll();         // icoGomma
    void preview();
    void print();
    void help();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildToolbar();
    void buildSlots();

    MemberFinder finder_ = findMember;
    std::array<CardFace*, kSheetSlots> slots_{};
    QLabel* lblPosizione_ = nullptr;
};

} // namespace cards
