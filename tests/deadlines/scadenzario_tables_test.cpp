// Every name in the deadline window's tables is one of its controls.
#include "deadline_window_fixture.h"
#include "deadlines/scadenzario_fields.h"
#include "table_names.h"

#include <gtest/gtest.h>

using testing_support::blankPictures;
using testing_support::missingNames;

TEST(DeadlineWindowTables, EveryNameIsAControlAndEveryPictureIsDrawn) {
    deadline_tests::DeadlineWindow d;
    QWidget* w = &d.w;
    EXPECT_EQ(missingNames(w, deadlines::kDeadlineBindings, &platform::Binding::control),
              QStringList());
    EXPECT_EQ(missingNames(w, deadlines::kDeadlineBindings, &platform::Binding::next),
              QStringList());
    EXPECT_EQ(missingNames(w, deadlines::kPayerTakes, &members::MemberTake::control),
              QStringList());
    EXPECT_EQ(missingNames(w, deadlines::kDeadlineHints, &platform::Hint::control), QStringList());
    EXPECT_EQ(blankPictures(w), QStringList());
}
