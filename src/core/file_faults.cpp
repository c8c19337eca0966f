#include "core/file_faults.h"

namespace core::faults {

namespace {
int failAt = 0; // 0: nothing armed
bool forGood = false;
int taken = 0;
} // namespace

bool allow() {
    if (failAt == 0)
        return true;
    ++taken;
    return forGood ? taken < failAt : taken != failAt;
}

void arm(int failAtStep, bool persistent) {
    failAt = failAtStep;
    forGood = persistent;
    taken = 0;
}

void disarm() {
    failAt = 0;
    taken = 0;
}

int steps() { return taken; }

} // namespace core::faults
