// The store as a whole: the export list holds every shape whole, every cell
// has its value at load, and no two cells share storage.
#include <gtest/gtest.h>
#include "host/fresh_library.h"
#include "host/host.h"
#include "listed_cells.h"
#include <algorithm>

TEST(SettingsStore, ListHoldsEveryShapeWhole) {
  std::vector<ListedCell> cells = ListedCells(HostLibrary());
  // Flags: 72 of the environment (the frame exports the focus guard's) and
  // the library-creation mask, read like the bit-set flag.
  static const struct { CellShape shape; long count; } kCounts[] = {
      {SingleColumn, 44}, {TwoColumn, 19}, {SlotOnly, 4}, {Flag, 73}, {Value, 13}};
  for (const auto &row : kCounts)
    EXPECT_EQ(std::count_if(cells.begin(), cells.end(), [&](const ListedCell &c) { return c.shape == row.shape; }),
              row.count)
        << "shape " << row.shape;
  for (const ListedCell &cell : cells) EXPECT_TRUE(cell.get && cell.set) << cell.name << " is not exported";
}

static const struct {
  const char *name;
  int value;
} kNonZeroAtLoad[] = {
    {"PreviousProjectOpen", 1}, {"PreviousSrcfileOpen", 1},      {"CloseAllEditors", 1},
    {"CloseTitleWindow", 1},    {"FirstNoticeForWarning", 1},    {"EditorIndent", 1},
    {"UndoCharactersBuffer", 256}, {"ScrollSpeedForEditorTab", 100}, {"CharactersInTab", 4},
    {"RulerHeight", 10},        {"LineNumberWidth", 50},         {"FunctionListingAutomated", 1},
    {"HeaderDetection", 1},     {"CheckNewerVersionAtStartup", 1},
};

static int AtLoad(const std::string &name) {
  for (const auto &row : kNonZeroAtLoad)
    if (name == row.name) return row.value;
  return 0;
}

TEST(SettingsStore, EveryCellAtLoad) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_TRUE(fresh);
  std::vector<ListedCell> cells = ListedCells(fresh);
  std::vector<CellPlace> places = CellPlaces(cells);
  std::vector<int> expected;
  for (const CellPlace &place : places) expected.push_back(AtLoad(place.cell->name));
  ExpectPlaces(places, expected, "at load");
  EXPECT_EQ(reinterpret_cast<int(__stdcall *)(int)>(HostFind(fresh, "IsCreateLibEnabled"))(0), 1);
  auto getRecord = reinterpret_cast<SavedRecordGetter>(HostFind(fresh, "GetDlgSavedFileInfo"));
  for (int index = 0; index < 3; ++index) EXPECT_EQ(getRecord(index), SavedRecord{}) << "record " << index;
  FreeFreshLibrary(fresh);
}

TEST(SettingsStore, EveryCellIsItsOwn) {
  std::vector<ListedCell> cells = ListedCells(HostLibrary());
  std::vector<CellPlace> places = CellPlaces(cells);
  std::vector<int> expected = FillDistinct(places);
  ExpectPlaces(places, expected, "after one distinct value in every cell");
}
