#pragma once

namespace core::faults {

// Test seam at the file layer: every step of a write path (open, read, write, flush, sync,
// rename) asks here first. Tests arm a failure at the n-th step, once or for good; in the
// program nothing is ever armed and every step is allowed.
bool allow();

void arm(int failAtStep, bool persistent);
void disarm();
int steps(); // steps taken since the last arm()

} // namespace core::faults
