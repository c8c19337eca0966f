// Every name in the page editor's tables is one of its controls, on every row.
#include "book/frm_registro.h"
#include "book/frm_registro_fields.h"
#include "fake_platform.h"
#include "table_names.h"

#include <gtest/gtest.h>

using testing_support::blankPictures;
using testing_support::missingNames;

TEST(PageEditorTables, EveryNameIsAControlAndEveryPictureIsDrawn) {
    testing_support::Harness h;
    book::TfrmRegistro w(h.ctx);
    EXPECT_EQ(missingNames(&w, book::kPageBindings, &platform::Binding::control), QStringList());
    EXPECT_EQ(missingNames(&w, book::kPageBindings, &platform::Binding::next), QStringList());
    EXPECT_EQ(missingNames(&w, book::kPageDateTargets, &platform::DateTarget::control),
              QStringList());
    QStringList rows;
    for (int row = 0; row < book::kRows; ++row)
        rows << book::rowSuffix(row);
    EXPECT_EQ(rows.size(), 4);
    EXPECT_EQ(missingNames(&w, book::kRowMemberTakes, &members::MemberTake::control, rows),
              QStringList());
    EXPECT_EQ(blankPictures(&w), QStringList());
}
