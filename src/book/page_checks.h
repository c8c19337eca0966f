#pragma once

#include "book/page_record.h"
#include "platform/problem.h"

namespace book {

// What stops the save of a page, in the order the editor checks it: the register number, the
// association's name and fiscal code, the first row's order number and member; then any value
// longer than its field (an imported fee or contact is shown whole and would be cut by the
// save). `page` holds the trimmed texts of the editor.
platform::Check pageSaveProblem(const PageValues& page);

} // namespace book
