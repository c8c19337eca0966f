#pragma once

namespace core::faults {

// Test seam of the file system (file_system.h): every step of a write path (open, read,
// write, resize, sync, remove, rename, folder sync) asks here first. Tests arm a failure at
// the n-th step, once or for good; in the program nothing is ever armed and every step is
// allowed.
bool allow();

void arm(int failAtStep, bool persistent);

// Undoing and tidying after a failure (putting the old file back, removing a temporary) are not
// steps while one of these lives: the loops check what a failure leaves behind, and a failure
// of the undo as well is a different test.
class Undoing {
public:
    Undoing();
    ~Undoing();
    Undoing(const Undoing&) = delete;
    Undoing& operator=(const Undoing&) = delete;
};
void disarm();
int steps(); // steps taken since the last arm()

// Makes every file lock answer as a file system without locks does (some network shares).
void refuseLocks(bool refuse);
bool locksRefused();

} // namespace core::faults
