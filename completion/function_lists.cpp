// The four function lists the library keeps for the host, each a movable
// global block described by its lock record, the write-in-header flag, and
// the reading of a list's names for the completion popup.
//
// The host appends to a list while it may hold it locked; growing a locked
// movable block may move it, so an append refreshes the record's address.
// Appends and the host's locks run inside the function lists' guard, which
// the user-database reader also takes to copy a list from its own thread.
#include "completion/function_lists.h"
#include "frame/function_list_guard.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <stdint.h>
#include <string.h>
#include <vector>

enum {
  kFirstFunctions = 0x20,
  kFirstMacros = 0x40,
  kSecondFunctions = 0x80,
  kSecondMacros = 0x100,
  kFirstListBit = 0x40, // the setters' choice between the first and the second list
};

// The records live for the whole process; the host keeps their addresses.
// Their fields change only inside the function lists' guard.
static NESTEDLOCK g_firstFunctions, g_firstMacros, g_secondFunctions, g_secondMacros;

// Read and written on the host's window thread only.
static int g_writeInHeader = 2;

static NESTEDLOCK *RecordOf(int flags) {
  if (flags & kFirstFunctions) return &g_firstFunctions;
  if (flags & kFirstMacros) return &g_firstMacros;
  if (flags & kSecondFunctions) return &g_secondFunctions;
  if (flags & kSecondMacros) return &g_secondMacros;
  return 0;
}

static HGLOBAL Append(NESTEDLOCK *record, int mode, LPCSTR text) {
  FunctionListGuard guard;
  record->block = AddToGlobalMemory((HWND)(INT_PTR)mode, record->block, text);
  if (record->pointer && record->block) {
    // The lock count of the block survived the move: lock and unlock once
    // to learn where it is now.
    record->pointer = GlobalLock(record->block);
    GlobalUnlock(record->block);
  }
  return record->block;
}

extern "C" HGLOBAL ORVEXAPI SetFunctionListInMemoryInDll(int mode, LPCSTR text, int flags) {
  return Append((flags & kFirstListBit) ? &g_firstFunctions : &g_secondFunctions, mode, text);
}

extern "C" HGLOBAL ORVEXAPI SetMacroListInMemoryInDll(int mode, LPCSTR text, int flags) {
  return Append((flags & kFirstListBit) ? &g_firstMacros : &g_secondMacros, mode, text);
}

extern "C" HGLOBAL ORVEXAPI GetFunctionListHandleInDll(int flags) {
  NESTEDLOCK *record = RecordOf(flags);
  if (!record) return 0;
  FunctionListGuard guard;
  return record->block;
}

extern "C" NESTEDLOCK *ORVEXAPI GetPointerOfFunctionListHandleInDll(int flags) { return RecordOf(flags); }

extern "C" int ORVEXAPI IsWriteInHeaderFileInDll(int mask) { return mask == -1 ? g_writeInHeader : g_writeInHeader & mask; }

extern "C" int ORVEXAPI SetWriteInHeaderFileInDll(int value) { return g_writeInHeader = value; }

// ---- Names of a list, for the user-database reader ----

// A hash of the name with ASCII letters folded, walking whole characters so
// a trail byte is never folded.
static uint32_t FoldedHash(const char *name) {
  uint32_t hash = 2166136261u;
  for (const char *p = name; *p;) {
    size_t step = SjisCharLength(p);
    for (size_t k = 0; k < step; k++) hash = (hash ^ (unsigned char)(step == 1 ? SjisFoldAscii(p[k]) : p[k])) * 16777619u;
    p += step;
  }
  return hash;
}

// The names of the entries, each cut at its form feed; an entry without a
// form feed before its backspace has no name.
static void CollectNames(char *text, std::vector<const char *> *names) {
  for (char *entry = text; entry && *entry;) {
    char *end = strchr(entry, kEntryEnd);
    char *nameEnd = (char *)memchr(entry, kNameEnd, end ? (size_t)(end - entry) : strlen(entry));
    if (nameEnd) {
      *nameEnd = 0;
      names->push_back(entry);
    }
    entry = end ? end + 1 : 0;
  }
}

// Marks the names that no later name repeats, walking from the last one with
// an open-addressing table of the names kept so far: linear in the names.
static void MarkLastOfEqualNames(const std::vector<const char *> &names, std::vector<char> *kept) {
  size_t slots = 16;
  while (slots < names.size() * 2) slots *= 2;
  std::vector<const char *> table(slots, (const char *)0);
  kept->assign(names.size(), 0);
  for (size_t i = names.size(); i-- > 0;) {
    size_t slot = FoldedHash(names[i]) & (slots - 1);
    while (table[slot] && !SjisEqualNoCase(table[slot], names[i])) slot = (slot + 1) & (slots - 1);
    if (table[slot]) continue;
    table[slot] = names[i];
    (*kept)[i] = 1;
  }
}

int ForEachLastListName(char *text, ListNameSink add, void *context) {
  char *end = strchr(text, kEntriesEnd);
  if (end) *end = 0;
  std::vector<const char *> names;
  CollectNames(text, &names);
  std::vector<char> kept;
  MarkLastOfEqualNames(names, &kept);
  int passed = 0;
  for (size_t i = 0; i < names.size(); i++) {
    if (!kept[i] || strlen(names[i]) >= kWordBufferSize) continue;
    passed++;
    if (!add(names[i], context)) break;
  }
  return passed;
}
