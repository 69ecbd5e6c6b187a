// The settings cells as the tests' own export list (exports/settings.txt)
// names them, sorted into shapes by the argument counts listed there, with
// their getter and setter found in one loaded copy of the library; and the
// saved dialog record as the host declares it.
#pragma once
#include <windows.h>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

enum CellShape { SingleColumn, TwoColumn, SlotOnly, Flag, Value };

struct ListedCell {
  std::string name; // without the Is/Get/Set prefix
  CellShape shape;
  bool masked;      // a flag whose getter takes a mask of bits
  FARPROC get, set; // null when the library lacks the export
};

std::vector<ListedCell> ListedCells(HMODULE module);

// One readable place of a cell: a slot and mode for the compile options
// (the single-column ones read under both modes), 0 and 0 for the others.
struct CellPlace {
  const ListedCell *cell;
  int slot, mode;
};
std::vector<CellPlace> CellPlaces(const std::vector<ListedCell> &cells);

// Reads and writes through the cell's exports; slot and mode are passed as
// they are to the shapes that take them.
int ReadCell(const ListedCell &cell, int slot, int mode);
void WriteCell(const ListedCell &cell, int value, int slot, int mode);

// Compares every place with its expected value and reports the first
// mismatch only, by name, slot and mode.
void ExpectPlaces(const std::vector<CellPlace> &places, const std::vector<int> &expected, const char *when);

// Writes a distinct value (1000 and up) into every place and returns what
// each place must read. A single-column option is written once per slot,
// under mode 1, and must read the same under both modes.
std::vector<int> FillDistinct(const std::vector<CellPlace> &places);

// A saved dialog record, returned by value as the host declares it.
struct SavedRecord {
  int32_t word[4];
  bool operator==(const SavedRecord &other) const { return memcmp(word, other.word, sizeof word) == 0; }
};
typedef SavedRecord(__stdcall *SavedRecordGetter)(int index);
typedef void(__stdcall *SavedRecordSetter)(int index, const SavedRecord *record);
