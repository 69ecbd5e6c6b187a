// Reading the export list into cells, the readers and writers of each
// shape, and a distinct value in every cell.
#include "listed_cells.h"
#include "host/host.h"
#include <gtest/gtest.h>
#include <map>
#include <sstream>

typedef int(__stdcall *GetSlotMode)(int slot, int mode);
typedef void(__stdcall *SetValueSlotMode)(int value, int slot, int mode);
typedef int(__stdcall *GetSlot)(int slot);
typedef void(__stdcall *SetSlotValue)(int slot, int value);
typedef int(__stdcall *GetPlain)(void);
typedef int(__stdcall *GetMasked)(int bits);
typedef void(__stdcall *SetPlain)(int value);

// The options kept per slot and build mode; the counts cannot tell them from
// the single-column ones.
static const char *const kTwoColumn[] = {
    "AssembleOption", "AssembleFile",    "OptimumType",     "OptimumJump",     "OptimumLoop",
    "OptimumBlock",   "OptimumInline",   "RegisterType",    "PrecompileType",  "PrecompileExt",
    "PrecompileSmart", "PrecompileFile", "PrecompileCache", "MacroEdit",       "DebuggerOn",
    "DebuggerLine",   "UserIncludePath", "UserLibraryPath", "UserObjLibFile",
};

static bool IsTwoColumn(const std::string &name) {
  for (const char *two : kTwoColumn)
    if (name == two) return true;
  return false;
}

static std::map<std::string, int> ListedCounts() {
  std::map<std::string, int> counts;
  for (const std::string &line : ReadLines(std::string(ORVEX_EXPORTS_DIR) + "/settings.txt")) {
    std::istringstream words(line);
    std::string name;
    int count;
    if (words >> name && name[0] != '#' && words >> count) counts[name] = count;
  }
  return counts;
}

// The shape a getter and setter pair has by its counts; false for exports
// that are not a cell's pair.
static bool ShapeOf(const std::string &prefix, const std::string &name, int getCount, int setCount,
                    CellShape *shape, bool *masked) {
  *masked = prefix == "Is" && getCount == 1 && setCount == 1;
  if (prefix == "Get" && getCount == 0 && setCount == 1) *shape = Value;
  else if (prefix == "Is" && (getCount == 0 || *masked)) *shape = Flag;
  else if (prefix == "Is" && getCount == 1 && setCount == 2) *shape = SlotOnly;
  else if (prefix == "Is" && getCount == 2 && setCount == 3) *shape = IsTwoColumn(name) ? TwoColumn : SingleColumn;
  else return false;
  return true;
}

std::vector<ListedCell> ListedCells(HMODULE module) {
  std::map<std::string, int> counts = ListedCounts();
  std::vector<ListedCell> cells;
  for (const auto &entry : counts) {
    const std::string &getter = entry.first;
    size_t prefixLength = getter.rfind("Is", 0) == 0 ? 2 : getter.rfind("Get", 0) == 0 ? 3 : 0;
    if (!prefixLength) continue;
    std::string name = getter.substr(prefixLength);
    auto setter = counts.find("Set" + name);
    ListedCell cell = {name, Flag, false, 0, 0};
    if (setter == counts.end() ||
        !ShapeOf(getter.substr(0, prefixLength), name, entry.second, setter->second, &cell.shape, &cell.masked))
      continue;
    cell.get = HostFind(module, getter.c_str());
    cell.set = HostFind(module, setter->first.c_str());
    cells.push_back(cell);
  }
  return cells;
}

std::vector<CellPlace> CellPlaces(const std::vector<ListedCell> &cells) {
  std::vector<CellPlace> places;
  for (const ListedCell &cell : cells) {
    bool options = cell.shape == SingleColumn || cell.shape == TwoColumn || cell.shape == SlotOnly;
    int slots = options ? 2 : 1, modes = cell.shape == SlotOnly || !options ? 1 : 2;
    for (int slot = 0; slot < slots; ++slot)
      for (int mode = 0; mode < modes; ++mode) places.push_back({&cell, slot, mode});
  }
  return places;
}

int ReadCell(const ListedCell &cell, int slot, int mode) {
  switch (cell.shape) {
  case SingleColumn:
  case TwoColumn: return reinterpret_cast<GetSlotMode>(cell.get)(slot, mode);
  case SlotOnly: return reinterpret_cast<GetSlot>(cell.get)(slot);
  default: return cell.masked ? reinterpret_cast<GetMasked>(cell.get)(-1) : reinterpret_cast<GetPlain>(cell.get)();
  }
}

void WriteCell(const ListedCell &cell, int value, int slot, int mode) {
  switch (cell.shape) {
  case SingleColumn:
  case TwoColumn: reinterpret_cast<SetValueSlotMode>(cell.set)(value, slot, mode); break;
  case SlotOnly: reinterpret_cast<SetSlotValue>(cell.set)(slot, value); break;
  default: reinterpret_cast<SetPlain>(cell.set)(value); break;
  }
}

void ExpectPlaces(const std::vector<CellPlace> &places, const std::vector<int> &expected, const char *when) {
  ASSERT_EQ(places.size(), expected.size());
  for (size_t i = 0; i < places.size(); ++i) {
    const CellPlace &place = places[i];
    int value = ReadCell(*place.cell, place.slot, place.mode);
    if (value != expected[i]) {
      ADD_FAILURE() << when << ": " << place.cell->name << " slot " << place.slot << " mode " << place.mode
                    << " reads " << value << ", expected " << expected[i];
      return;
    }
  }
}

std::vector<int> FillDistinct(const std::vector<CellPlace> &places) {
  std::vector<int> expected(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    const CellPlace &place = places[i];
    bool single = place.cell->shape == SingleColumn;
    if (single && place.mode == 1) { // its mode-0 place, just before, wrote it
      expected[i] = expected[i - 1];
      continue;
    }
    expected[i] = 1000 + int(i);
    WriteCell(*place.cell, expected[i], place.slot, single ? 1 : place.mode);
  }
  return expected;
}
