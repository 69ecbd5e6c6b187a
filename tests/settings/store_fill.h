// Helpers several settings tests share: a distinct value in every cell, and
// the saved dialog record as the host declares it.
#pragma once
#include "listed_cells.h"
#include <cstdint>
#include <cstring>

// Writes a distinct value (1000 and up) into every place and returns what
// each place must read. A single-column option is written once per slot,
// under mode 1, and must read the same under both modes.
std::vector<int> FillDistinct(const std::vector<CellPlace> &places);

struct SavedRecord {
  int32_t word[4];
  bool operator==(const SavedRecord &other) const { return memcmp(word, other.word, sizeof word) == 0; }
};
typedef SavedRecord(__stdcall *SavedRecordGetter)(int index);
typedef void(__stdcall *SavedRecordSetter)(int index, const SavedRecord *record);
