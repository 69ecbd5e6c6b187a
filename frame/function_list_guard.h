// The one lock of the function lists' records. The host locks, unlocks and
// appends to a list on its window thread while the completion reader copies
// the same list on its own thread; a lock count raised by one while the other
// reads it, or an address read while an append moves the block, would leave
// a stale pointer or a count that never returns to 0. Every read or change
// of a record (its block, address and count) happens inside this guard, held
// only for the few instructions of one operation and never across a message.
#pragma once
#include <windows.h>

// Static initialisation: usable before any code of the library has run.
inline SRWLOCK *FunctionListLock() {
  static SRWLOCK lock = SRWLOCK_INIT;
  return &lock;
}

struct FunctionListGuard {
  FunctionListGuard() { AcquireSRWLockExclusive(FunctionListLock()); }
  ~FunctionListGuard() { ReleaseSRWLockExclusive(FunctionListLock()); }
  FunctionListGuard(const FunctionListGuard &) = delete;
  FunctionListGuard &operator=(const FunctionListGuard &) = delete;
};
