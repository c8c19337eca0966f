#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace reports {
class Report;
}

namespace testing_support {

// What a prepared report paints, one readable line per filled or outlined shape, line, picture
// and text, page by page, grouped by kind and each kind in painting order. Geometry is in
// millimetres from the paper's top-left corner, rounded to 0.1 mm; a text gives its baseline start,
// its box (the clip), its font as painted (the Liberation fonts stand in for Arial and Courier New)
// and its colour.
QString paintedOutline(const reports::Report& report);

// Compares `actual` with the checked-in reference tests/golden/<name>.txt. With
// QUORVIX_UPDATE_GOLDEN=1 in the environment the reference is rewritten instead; review the
// change with git diff before committing it.
//     EXPECT_TRUE(testing_support::matchesGolden("member_sheet", report));
::testing::AssertionResult matchesGolden(const QString& name, const QString& actual);
::testing::AssertionResult matchesGolden(const QString& name, const reports::Report& report);

} // namespace testing_support
