// The settings cells as exports/settings.txt lists them: the options' slots
// and build modes with nothing reached from outside them, and the cells with
// behaviour of their own.
#include <gtest/gtest.h>
#include "host/host.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <map>

typedef int(__stdcall *IntOfInt)(int);
typedef void(__stdcall *VoidOfInt)(int);
typedef int(__stdcall *GetPlain)(void);

// A saved dialog record, returned by value as the host declares it.
struct SavedRecord {
  int32_t word[4];
  bool operator==(const SavedRecord &other) const { return memcmp(word, other.word, sizeof word) == 0; }
};

// The options kept per slot and build mode; the counts cannot tell them apart.
static const char *const kTwoColumn[] = {
    "AssembleOption", "AssembleFile", "OptimumType", "OptimumJump", "OptimumLoop", "OptimumBlock",
    "OptimumInline", "RegisterType", "PrecompileType", "PrecompileExt", "PrecompileSmart", "PrecompileFile",
    "PrecompileCache", "MacroEdit", "DebuggerOn", "DebuggerLine", "UserIncludePath", "UserLibraryPath",
    "UserObjLibFile",
};

// A two-column option keeps one value per slot and build mode, a
// single-column one ignores the mode and a slot-only one takes the slot
// first; a slot or mode outside 0 and 1 writes nothing and reads 0.
TEST(SettingsStore, OptionsBySlotAndModeAndNothingOutside) {
  std::map<std::string, int> listed; // names and argument counts
  for (const ListedExport &entry : ListedExports(ORVEX_EXPORTS_DIR "/settings.txt")) listed[entry.name] = entry.count;
  for (const auto &entry : listed) {
    if (entry.first.rfind("Is", 0) != 0 || (entry.second != 2 && listed["Set" + entry.first.substr(2)] != 2)) continue;
    std::string name = entry.first.substr(2), setter = "Set" + name;
    if (entry.second == 1) { // slot only
      auto is = HostProc<IntOfInt>(entry.first.c_str());
      auto set = HostProc<void(__stdcall *)(int slot, int value)>(setter.c_str());
      set(0, 5), set(1, 6), set(2, -7), set(-1, -7), set(INT_MIN, -7);
      EXPECT_TRUE(is(0) == 5 && is(1) == 6 && is(2) == 0 && is(-1) == 0) << name;
      continue;
    }
    auto is = HostProc<int(__stdcall *)(int slot, int mode)>(entry.first.c_str());
    auto set = HostProc<void(__stdcall *)(int value, int slot, int mode)>(setter.c_str());
    bool two = std::count(std::begin(kTwoColumn), std::end(kTwoColumn), name) > 0;
    for (int slot : {0, 1})
      for (int mode : {0, 1}) set(10 * slot + mode + 1, slot, mode);
    set(-7, 2, 0), set(-7, -1, 1), set(-7, INT_MIN, 0);
    if (two) set(-7, 0, 2), set(-7, 1, -1);
    for (int slot : {0, 1})
      for (int mode : {0, 1})
        EXPECT_EQ(is(slot, mode), 10 * slot + (two ? mode + 1 : 2)) << name << " slot " << slot << " mode " << mode;
    EXPECT_EQ(is(2, 0) | is(-1, 1), 0) << name;
    EXPECT_EQ(is(0, 2), two ? 0 : 2) << name;
  }
}

// 0 asks whether the mask is off, a negative query for the cell, a positive
// one for the bits it selects; bit 0 forces the library (-1), otherwise the
// host's choice stands.
TEST(SettingsStore, CreateLibMask) {
  auto set = HostProc<VoidOfInt>("SetCreateLibEnabled");
  auto is = HostProc<IntOfInt>("IsCreateLibEnabled");
  auto forced = HostProc<IntOfInt>("IsForcedToCreateLibEnabledByProjectSetting");
  static const struct { int cell, query, result, choice, forced; } kRows[] = {
      {0, 0, 1, 5, 5},   {0, -1, 0, 0, 0},  {6, 0, 0, 3, 3},   {6, 2, 2, 3, 3},
      {6, 1, 0, 3, 3},   {1, 1, 1, 0, -1},  {-2, -5, -2, 9, 9}, {INT_MIN, INT_MAX, 0, 9, 9},
  };
  for (const auto &row : kRows) {
    set(row.cell);
    EXPECT_EQ(is(row.query), row.result) << "cell " << row.cell << " query " << row.query;
    EXPECT_EQ(forced(row.choice), row.forced) << "cell " << row.cell << " choice " << row.choice;
  }
  set(0);
}

// The whole cell of a flag or value.
static int ReadNamed(const std::string &name) {
  if (FARPROC get = HostFind(HostLibrary(), ("Get" + name).c_str())) return ((GetPlain)get)();
  if (name == "RegistryItemAltered") return HostProc<IntOfInt>("IsRegistryItemAltered")(-1);
  return HostProc<GetPlain>(("Is" + name).c_str())();
}

// Steps on the left edge (at least 3) and the bit-set cells, each followed
// by the whole cell.
TEST(SettingsStore, CellSteps) {
  static const struct { const char *operation, *cell; int argument, after; } kSteps[] = {
      {"Set", "Left", 2, 3},                    {"Set", "Left", INT_MIN, 3},
      {"Set", "Left", 4, 4},                    {"Set", "RegistryItemAltered", 5, 5},
      {"Remove", "RegistryItemAltered", 6, 1},  {"Add", "RegistryItemAltered", INT_MIN, INT_MIN | 1},
      {"Remove", "RegistryItemAltered", -1, 0}, {"Set", "ReturnOfDialog", 4, 4},
      {"Add", "ReturnOfDialog", 5, 5},          {"Set", "ReturnOfDialog", 0, 0},
      {"Set", "ShowTitleForHeaderBeingAnalyzed", 2, 2}, {"Add", "ShowTitleForHeaderBeingAnalyzed", 8, 10},
      {"Set", "ShowTitleForHeaderBeingAnalyzed", 0, 0},
  };
  for (const auto &step : kSteps) {
    std::string operation = std::string(step.operation) + step.cell;
    HostProc<VoidOfInt>(operation.c_str())(step.argument);
    EXPECT_EQ(ReadNamed(step.cell), step.after) << operation << "(" << step.argument << ")";
  }
}

// Two threads add and remove bits of their own in the same cell, each
// checking its bits after every step: an update that is not interlocked
// now and then drops the other thread's bit or brings a removed one back.
static volatile LONG g_ready, g_stop; // counted up by both workers / raised at a wrong step
static LONG g_wrong;                  // steps gone wrong, counted by both workers

static DWORD WINAPI RunBitsWorker(void *bitParam) {
  int bit = int(INT_PTR(bitParam));
  auto add = HostProc<VoidOfInt>("AddRegistryItemAltered");
  auto remove = HostProc<VoidOfInt>("RemoveRegistryItemAltered");
  auto is = HostProc<IntOfInt>("IsRegistryItemAltered");
  InterlockedIncrement(&g_ready);
  while (g_ready < 2) SwitchToThread();
  ULONGLONG end = GetTickCount64() + 200; // both at once for a while even on a busy machine
  for (int step = 0; !g_stop && (step % 1024 || GetTickCount64() < end); ++step) {
    add(bit);
    bool wrong = is(bit) != bit;
    remove(bit);
    if (wrong || is(bit) != 0) InterlockedIncrement(&g_wrong), InterlockedExchange(&g_stop, 1);
  }
  return 0;
}

TEST(SettingsStore, TwoThreadsAddingAndRemovingKeepEachOthersBits) {
  auto set = HostProc<VoidOfInt>("SetRegistryItemAltered");
  set(0x100);
  HANDLE threads[2];
  for (int i = 0; i < 2; ++i) threads[i] = CreateThread(0, 0, RunBitsWorker, reinterpret_cast<void *>(INT_PTR(i + 1)), 0, 0);
  WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(g_wrong, 0);
  EXPECT_EQ(ReadNamed("RegistryItemAltered"), 0x100) << "the bit set before the threads is kept";
  set(0);
}

// The three saved dialog records: copied whole (the host's record may end
// right before unreadable memory), returned by value, untouched by an index
// outside 0 to 2 or a null record.
TEST(SettingsStore, SavedDialogRecords) {
  auto get = HostProc<SavedRecord(__stdcall *)(int index)>("GetDlgSavedFileInfo");
  auto set = HostProc<void(__stdcall *)(int index, const SavedRecord *record)>("SetDlgSavedFileInfo");
  static const SavedRecord kRecords[3] = {
      {{1, 2, 3, 4}}, {{-1, INT_MIN, INT_MAX, 0}}, {{0x11111111, 0x22222222, 0x33333333, 0x44444444}}};
  for (int index = 2; index >= 0; --index) {
    void *guarded = GuardedCopy(&kRecords[index], sizeof(SavedRecord));
    set(index, static_cast<SavedRecord *>(guarded));
    FreeGuarded(guarded);
  }
  const SavedRecord other = {{9, 9, 9, 9}};
  static const struct { int index; bool withRecord; } kAttempts[] = {{-1, true}, {3, true}, {INT_MIN, true}, {0, false}};
  for (const auto &attempt : kAttempts) {
    set(attempt.index, attempt.withRecord ? &other : nullptr);
    for (int index = 0; index < 3; ++index)
      EXPECT_EQ(get(index), kRecords[index]) << "record " << index << " after setting " << attempt.index;
    EXPECT_EQ(get(attempt.index), attempt.withRecord ? SavedRecord{} : kRecords[0]) << attempt.index;
  }
}
