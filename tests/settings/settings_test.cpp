// The settings cells as exports/settings.txt lists them, sorted into shapes by
// their argument counts: load values, storage of their own, bad indexes; and
// the cells with behaviour of their own.
#include <gtest/gtest.h>
#include "host/fresh_library.h"
#include "host/host.h"
#include "host/text_checks.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <sstream>

typedef int(__stdcall *IntOfInt)(int);
typedef void(__stdcall *VoidOfInt)(int);
typedef int(__stdcall *GetSlotMode)(int slot, int mode);
typedef void(__stdcall *SetValueSlotMode)(int value, int slot, int mode);
typedef void(__stdcall *SetSlotValue)(int slot, int value);
typedef int(__stdcall *GetPlain)(void);

// A saved dialog record, returned by value as the host declares it.
struct SavedRecord {
  int32_t word[4];
  bool operator==(const SavedRecord &other) const { return memcmp(word, other.word, sizeof word) == 0; }
};
typedef SavedRecord(__stdcall *SavedRecordGetter)(int index);
typedef void(__stdcall *SavedRecordSetter)(int index, const SavedRecord *record);

enum CellShape { SingleColumn, TwoColumn, SlotOnly, Flag, Value };

struct ListedCell {
  std::string name; // without the Is/Get/Set prefix
  CellShape shape;
  bool masked;      // a flag whose getter takes a mask of bits
  FARPROC get, set; // null when the library lacks the export
};

// One readable place: slot and mode of an option (a single-column one reads
// under both modes), 0 and 0 for the other cells.
struct CellPlace {
  const ListedCell *cell;
  int slot, mode;
};

// The options kept per slot and build mode; the counts cannot tell them apart.
static const char *const kTwoColumn[] = {
    "AssembleOption", "AssembleFile", "OptimumType", "OptimumJump", "OptimumLoop", "OptimumBlock",
    "OptimumInline", "RegisterType", "PrecompileType", "PrecompileExt", "PrecompileSmart", "PrecompileFile",
    "PrecompileCache", "MacroEdit", "DebuggerOn", "DebuggerLine", "UserIncludePath", "UserLibraryPath",
    "UserObjLibFile",
};

static bool IsOption(const ListedCell &cell) { return cell.shape <= SlotOnly; }

// The shape of a getter and setter pair by their counts; false for exports
// that are not a cell's pair.
static bool ShapeOf(bool is, const std::string &name, int getCount, int setCount, ListedCell *cell) {
  cell->masked = is && getCount == 1 && setCount == 1;
  if (!is && getCount == 0 && setCount == 1) cell->shape = Value;
  else if (is && (getCount == 0 || cell->masked)) cell->shape = Flag;
  else if (is && getCount == 1 && setCount == 2) cell->shape = SlotOnly;
  else if (is && getCount == 2 && setCount == 3)
    cell->shape = std::count(std::begin(kTwoColumn), std::end(kTwoColumn), name) ? TwoColumn : SingleColumn;
  else return false;
  return true;
}

static std::vector<ListedCell> ListedCells(HMODULE module) {
  std::map<std::string, int> counts;
  for (const std::string &line : ReadLines(std::string(ORVEX_EXPORTS_DIR) + "/settings.txt")) {
    std::istringstream words(line);
    std::string name;
    int count;
    if (words >> name && name[0] != '#' && words >> count) counts[name] = count;
  }
  std::vector<ListedCell> cells;
  for (const auto &entry : counts) {
    bool is = entry.first.rfind("Is", 0) == 0;
    if (!is && entry.first.rfind("Get", 0) != 0) continue;
    ListedCell cell = {entry.first.substr(is ? 2 : 3), Flag, false, 0, 0};
    auto setter = counts.find("Set" + cell.name);
    if (setter == counts.end() || !ShapeOf(is, cell.name, entry.second, setter->second, &cell)) continue;
    cell.get = HostFind(module, entry.first.c_str());
    cell.set = HostFind(module, setter->first.c_str());
    cells.push_back(cell);
  }
  return cells;
}

static std::vector<CellPlace> CellPlaces(const std::vector<ListedCell> &cells) {
  std::vector<CellPlace> places;
  for (const ListedCell &cell : cells)
    for (int slot = 0; slot < (IsOption(cell) ? 2 : 1); ++slot)
      for (int mode = 0; mode < (cell.shape <= TwoColumn ? 2 : 1); ++mode) places.push_back({&cell, slot, mode});
  return places;
}

static int ReadCell(const ListedCell &cell, int slot, int mode) {
  if (cell.shape <= TwoColumn) return reinterpret_cast<GetSlotMode>(cell.get)(slot, mode);
  if (cell.shape == SlotOnly || cell.masked) return reinterpret_cast<IntOfInt>(cell.get)(cell.masked ? -1 : slot);
  return reinterpret_cast<GetPlain>(cell.get)();
}

static void WriteCell(const ListedCell &cell, int value, int slot, int mode) {
  if (cell.shape <= TwoColumn) reinterpret_cast<SetValueSlotMode>(cell.set)(value, slot, mode);
  else if (cell.shape == SlotOnly) reinterpret_cast<SetSlotValue>(cell.set)(slot, value);
  else reinterpret_cast<VoidOfInt>(cell.set)(value);
}

// Compares every place with its expected value; reports the first mismatch.
static void ExpectPlaces(const std::vector<CellPlace> &places, const std::vector<int> &expected, const char *when) {
  ASSERT_EQ(places.size(), expected.size());
  for (size_t i = 0; i < places.size(); ++i) {
    int value = ReadCell(*places[i].cell, places[i].slot, places[i].mode);
    if (value != expected[i]) {
      ADD_FAILURE() << when << ": " << places[i].cell->name << " slot " << places[i].slot << " mode "
                    << places[i].mode << " reads " << value << ", expected " << expected[i];
      return;
    }
  }
}

// Writes a distinct value (1000 and up) into every place and returns what each
// must read. A single-column option is written once per slot, under mode 1,
// and must read the same under both modes.
static std::vector<int> FillDistinct(const std::vector<CellPlace> &places) {
  std::vector<int> expected(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    bool single = places[i].cell->shape == SingleColumn;
    expected[i] = single && places[i].mode == 1 ? expected[i - 1] : 1000 + int(i);
    if (!single || places[i].mode == 0) WriteCell(*places[i].cell, expected[i], places[i].slot, single ? 1 : places[i].mode);
  }
  return expected;
}

static const struct { const char *name; int value; } kNonZeroAtLoad[] = {
    {"PreviousProjectOpen", 1}, {"PreviousSrcfileOpen", 1},      {"CloseAllEditors", 1},
    {"CloseTitleWindow", 1},    {"FirstNoticeForWarning", 1},    {"EditorIndent", 1},
    {"UndoCharactersBuffer", 256}, {"ScrollSpeedForEditorTab", 100}, {"CharactersInTab", 4},
    {"RulerHeight", 10},        {"LineNumberWidth", 50},         {"FunctionListingAutomated", 1},
    {"HeaderDetection", 1},     {"CheckNewerVersionAtStartup", 1},
};

// Every shape whole in the list, and every cell at its load value.
TEST(SettingsStore, EveryCellAtLoad) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_TRUE(fresh);
  std::vector<ListedCell> cells = ListedCells(fresh);
  // Flags: 72 of the environment (the frame exports the focus guard's) and
  // the library-creation mask, read like the bit-set flag.
  static const struct { CellShape shape; long count; } kCounts[] = {
      {SingleColumn, 44}, {TwoColumn, 19}, {SlotOnly, 4}, {Flag, 73}, {Value, 13}};
  for (const auto &row : kCounts)
    EXPECT_EQ(std::count_if(cells.begin(), cells.end(), [&](const ListedCell &c) { return c.shape == row.shape; }),
              row.count) << "shape " << row.shape;
  std::vector<CellPlace> places = CellPlaces(cells);
  std::vector<int> expected;
  for (const CellPlace &place : places) {
    expected.push_back(0);
    for (const auto &row : kNonZeroAtLoad)
      if (place.cell->name == row.name) expected.back() = row.value;
  }
  ExpectPlaces(places, expected, "at load");
  EXPECT_EQ(reinterpret_cast<IntOfInt>(HostFind(fresh, "IsCreateLibEnabled"))(0), 1);
  auto getRecord = reinterpret_cast<SavedRecordGetter>(HostFind(fresh, "GetDlgSavedFileInfo"));
  for (int index = 0; index < 3; ++index) EXPECT_EQ(getRecord(index), SavedRecord{}) << "record " << index;
  FreeFreshLibrary(fresh);
}

// A single-column or slot-only option takes no mode, so with its slot in
// range it is written and read whatever the mode.
TEST(SettingsStore, EveryCellIsItsOwnAndIndexesOutsideReachNoOther) {
  static const struct { int slot, mode; bool slotInRange; } kBadIndexes[] = {
      {2, 0, false}, {-1, 1, false}, {INT_MIN, 0, false}, {0, 2, true}, {1, -1, true}};
  std::vector<ListedCell> cells = ListedCells(HostLibrary());
  std::vector<CellPlace> places = CellPlaces(cells);
  std::vector<int> expected = FillDistinct(places);
  ExpectPlaces(places, expected, "after one distinct value in every cell");
  for (const ListedCell &cell : cells) {
    if (!IsOption(cell)) continue;
    for (const auto &bad : kBadIndexes) {
      bool reaches = bad.slotInRange && cell.shape != TwoColumn;
      WriteCell(cell, -7, bad.slot, bad.mode);
      for (size_t i = 0; i < places.size(); ++i)
        if (reaches && places[i].cell == &cell && places[i].slot == bad.slot) expected[i] = -7;
      EXPECT_EQ(ReadCell(cell, bad.slot, bad.mode), reaches ? -7 : 0)
          << cell.name << " slot " << bad.slot << " mode " << bad.mode;
    }
    ExpectPlaces(places, expected, ("after writing " + cell.name + " out of range").c_str());
  }
}

// 0 asks whether the mask is off, a negative query for the cell, a positive
// one for the bits it selects; bit 0 forces the library (-1), otherwise the
// host's choice stands.
TEST(SettingsStore, CreateLibMask) {
  auto set = NeedHostProc<VoidOfInt>("SetCreateLibEnabled");
  auto is = NeedHostProc<IntOfInt>("IsCreateLibEnabled");
  auto forced = NeedHostProc<IntOfInt>("IsForcedToCreateLibEnabledByProjectSetting");
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

static int ReadNamed(const char *name) {
  static const std::vector<ListedCell> cells = ListedCells(HostLibrary());
  for (const ListedCell &cell : cells)
    if (cell.name == name && cell.get) return ReadCell(cell, 0, 0);
  return INT_MIN + 1;
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
    NeedHostProc<VoidOfInt>(operation.c_str())(step.argument);
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
  auto set = NeedHostProc<VoidOfInt>("SetRegistryItemAltered");
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
  auto get = NeedHostProc<SavedRecordGetter>("GetDlgSavedFileInfo");
  auto set = NeedHostProc<SavedRecordSetter>("SetDlgSavedFileInfo");
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
