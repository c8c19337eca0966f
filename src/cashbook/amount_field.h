#pragma once

#include <functional>

class QLineEdit;

namespace cashbook {

// The amount field: only digits and the comma are typed (with Backspace, Delete, Left, Right
// and Enter), and leaving the field runs `normalise`.
void makeAmountField(QLineEdit* field, std::function<void()> normalise);

} // namespace cashbook
