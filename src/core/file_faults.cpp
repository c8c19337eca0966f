#include "core/file_faults.h"

namespace core::faults {

namespace {
int failAt = 0; // 0: nothing armed
bool forGood = false;
int taken = 0;
int undoing = 0;
} // namespace

bool allow() {
    if (failAt == 0 || undoing > 0) return true;
    ++taken;
    return forGood ? taken < failAt : taken != failAt;
}

Undoing::Undoing() {
    ++undoing;
}

Undoing::~Undoing() {
    --undoing;
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

int steps() {
    return taken;
}

} // namespace core::faults

namespace core::faults {

namespace {
bool noLocks = false;
} // namespace

void refuseLocks(bool refuse) {
    noLocks = refuse;
}

bool locksRefused() {
    return noLocks;
}

} // namespace core::faults
