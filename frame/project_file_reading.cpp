// Reading a project's text file into global memory as Shift-JIS, and the
// nested locks of the function lists' blocks (taken inside the function
// lists' guard, since the completion reader copies the lists on its thread).
#include "frame/paths.h"
#include "frame/function_list_guard.h"
#include "frame/kitlib.h"

// The block is handed back unlocked; on any failure after the read it is
// freed, so that a null answer never leaves a block behind.
extern "C" HGLOBAL ORVEXAPI OpenReadOnlyFileForProject(LPCSTR name, DWORD *record, int *encoding, int convert) {
  if (!name || !name[0] || !record) return 0;
  HGLOBAL block = OpenReadOnlyFile(name, record);
  if (!block) return 0;
  if ((record[0] == 0 && record[1] == 0) || convert != 1) return block;
  LPSTR text = (LPSTR)GlobalLock(block);
  if (!text) {
    GlobalFree(block);
    return 0;
  }
  DWORD length = record[0];
  int found = -1;
  if (!GetShiftJisCodeFromOtherCodes(text, &length, &block, &text, &found, -1)) {
    GlobalUnlock(block);
    GlobalFree(block);
    return 0;
  }
  GlobalUnlock(block);
  record[0] = length;
  record[1] = 0;
  if (found >= 0 && encoding) *encoding = found;
  return block;
}

extern "C" LPVOID ORVEXAPI GlobalLockForPointerOfFunctionList(NESTEDLOCK *lock) {
  if (!lock) return 0;
  FunctionListGuard guard;
  if (!lock->block) return 0;
  if (!lock->pointer) {
    lock->pointer = GlobalLock(lock->block);
    if (!lock->pointer) return 0;
    lock->count = 0;
  }
  lock->count++;
  return lock->pointer;
}

extern "C" int ORVEXAPI GlobalUnlockForPointerOfFunctionList(NESTEDLOCK *lock) {
  if (!lock) return 0;
  FunctionListGuard guard;
  if (!lock->block) return 0;
  if (!lock->pointer || lock->count == 0) return 1;
  if (--lock->count) return 0;
  GlobalUnlock(lock->block);
  lock->pointer = 0;
  return 1;
}
