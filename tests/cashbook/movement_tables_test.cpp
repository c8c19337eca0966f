// Every name in the movement window's tables is one of its controls.
#include "cashbook/frm_movimenti.h"
#include "cashbook/frm_movimenti_fields.h"
#include "fake_platform.h"
#include "table_names.h"

#include <gtest/gtest.h>

using testing_support::blankPictures;
using testing_support::missingNames;

TEST(MovementWindowTables, EveryNameIsAControlAndEveryPictureIsDrawn) {
    testing_support::Harness h;
    cashbook::TfrmMovimenti w(h.ctx);
    using cashbook::kBeneficiaryTake, cashbook::kPayerTake;
    EXPECT_EQ(missingNames(&w, cashbook::kMovementBindings, &platform::Binding::control),
              QStringList());
    EXPECT_EQ(missingNames(&w, cashbook::kMovementBindings, &platform::Binding::next),
              QStringList());
    EXPECT_EQ(missingNames(&w, cashbook::kMovementDateTargets, &platform::DateTarget::control),
              QStringList());
    EXPECT_EQ(missingNames(&w, kPayerTake, &members::MemberTake::control), QStringList());
    EXPECT_EQ(missingNames(&w, kBeneficiaryTake, &members::MemberTake::control), QStringList());
    EXPECT_EQ(missingNames(&w, cashbook::kMovementHints, &platform::Hint::control), QStringList());
    EXPECT_EQ(blankPictures(&w), QStringList());
}
