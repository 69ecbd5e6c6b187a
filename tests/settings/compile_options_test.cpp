// Compile options: indexes outside 0 and 1, and the library-creation mask.
#include <gtest/gtest.h>
#include "host/host.h"
#include "listed_cells.h"
#include <climits>

// Indexes outside 0 and 1 with the slot in range or not. A single-column or
// slot-only option takes no mode, so with its slot in range it is written and
// read whatever the mode.
static const struct {
  int slot, mode;
  bool slotInRange;
} kBadIndexes[] = {
    {2, 0, false}, {-1, 1, false},    {INT_MIN, 0, false}, {INT_MAX, 1, false}, {2, 2, false},
    {0, 2, true},  {1, -1, true},     {1, INT_MIN, true},  {0, INT_MAX, true},
};

static bool IsOption(const ListedCell &cell) {
  return cell.shape == SingleColumn || cell.shape == TwoColumn || cell.shape == SlotOnly;
}

TEST(CompileOptions, IndexesOutsideZeroAndOneReachNoOtherCell) {
  std::vector<ListedCell> cells = ListedCells(HostLibrary());
  std::vector<CellPlace> places = CellPlaces(cells);
  std::vector<int> expected = FillDistinct(places);
  const int marker = -7;
  for (const ListedCell &cell : cells) {
    if (!IsOption(cell)) continue;
    for (const auto &bad : kBadIndexes) {
      bool reaches = bad.slotInRange && cell.shape != TwoColumn;
      WriteCell(cell, marker, bad.slot, bad.mode);
      for (size_t i = 0; i < places.size(); ++i)
        if (reaches && places[i].cell == &cell && places[i].slot == bad.slot) expected[i] = marker;
      EXPECT_EQ(ReadCell(cell, bad.slot, bad.mode), reaches ? marker : 0)
          << cell.name << " slot " << bad.slot << " mode " << bad.mode;
    }
    ExpectPlaces(places, expected, ("after writing " + cell.name + " out of range").c_str());
  }
}

typedef int(__stdcall *IntOfInt)(int);
typedef void(__stdcall *VoidOfInt)(int);

TEST(CompileOptions, CreateLibMaskQueries) {
  auto set = HostProc<VoidOfInt>("SetCreateLibEnabled");
  auto is = HostProc<IntOfInt>("IsCreateLibEnabled");
  auto forced = HostProc<IntOfInt>("IsForcedToCreateLibEnabledByProjectSetting");
  ASSERT_TRUE(set && is && forced);
  // 0 asks whether it is off, a negative query for the cell, a positive one
  // for the bits it selects.
  static const struct { int cell, query, result; } kQueries[] = {
      {0, 0, 1},         {0, -1, 0},        {0, 7, 0},       {6, 0, 0},          {6, -1, 6},
      {6, 2, 2},         {6, 1, 0},         {6, 7, 6},       {1, 1, 1},          {-2, -5, -2},
      {-2, 1, 0},        {INT_MIN, 0, 0},   {INT_MIN, -1, INT_MIN}, {INT_MIN, INT_MAX, 0},
  };
  for (const auto &row : kQueries) {
    set(row.cell);
    EXPECT_EQ(is(row.query), row.result) << "cell " << row.cell << " query " << row.query;
  }
  // Bit 0 of the cell forces the library (-1); otherwise the host's choice.
  static const struct { int cell, choice, result; } kForced[] = {
      {6, 3, 3}, {1, 3, -1}, {1, 0, -1}, {0, 0, 0}, {0, 5, 5}, {-1, 9, -1}, {-2, 9, 9}, {7, -1, -1},
  };
  for (const auto &row : kForced) {
    set(row.cell);
    EXPECT_EQ(forced(row.choice), row.result) << "cell " << row.cell << " choice " << row.choice;
  }
  set(0);
}
