// Every name in the member window's tables is one of its controls: a mistyped name would leave
// a field unbound or a date unwritten without a word.
#include "member_window_fixture.h"
#include "members/frm_anagrafica_fields.h"
#include "table_names.h"

#include <gtest/gtest.h>

using testing_support::blankPictures;
using testing_support::missingNames;

TEST(MemberWindowTables, EveryNameIsAControlAndEveryPictureIsDrawn) {
    members_test::MemberWindow m;
    QWidget* w = m.w.get();
    EXPECT_EQ(missingNames(w, members::kMemberBindings, &platform::Binding::control),
              QStringList());
    EXPECT_EQ(missingNames(w, members::kMemberBindings, &platform::Binding::next), QStringList());
    EXPECT_EQ(missingNames(w, members::kMemberDateTargets, &platform::DateTarget::control),
              QStringList());
    EXPECT_EQ(blankPictures(w), QStringList());
}
