// Filling the whole store with distinct values.
#include "store_fill.h"

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
