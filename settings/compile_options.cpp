// The compile-option store: the host's compiler and linker settings, kept per
// settings slot and, for some, per build mode. The library never reads them;
// it keeps what the host writes and hands it back. Slot and mode are 0 or 1:
// any other index writes nothing and reads 0, so a wrong index can never reach
// another cell.
#include "frame/instance.h"
#include "settings/compile_option_list.h"

static bool IsIndex(int index) { return index == 0 || index == 1; }

static int ReadSlot(const LONG *cells, int slot) { return IsIndex(slot) ? cells[slot] : 0; }

static void WriteSlot(LONG *cells, int slot, int value) {
  if (IsIndex(slot)) cells[slot] = value;
}

static int ReadSlotMode(const LONG (*cells)[2], int slot, int mode) {
  return IsIndex(slot) && IsIndex(mode) ? cells[slot][mode] : 0;
}

static void WriteSlotMode(LONG (*cells)[2], int slot, int mode, int value) {
  if (IsIndex(slot) && IsIndex(mode)) cells[slot][mode] = value;
}

// Every cell below is written by the host whenever it likes, normally from its
// user-interface thread; any thread may read one at any time: a cell is an
// aligned 32-bit value, read and written whole. All are 0 at load.

// The single-column options ignore the mode whatever its value: it is not an
// index of theirs.
#define SINGLE_COLUMN_EXPORTS(name) \
  static LONG g_##name[2]; \
  extern "C" int ORVEXAPI Is##name(int slot, int mode) { return ReadSlot(g_##name, slot); } \
  extern "C" void ORVEXAPI Set##name(int value, int slot, int mode) { WriteSlot(g_##name, slot, value); }
ORVEX_SINGLE_COLUMN_OPTIONS(SINGLE_COLUMN_EXPORTS)

// Rows are slots, columns build modes.
#define TWO_COLUMN_EXPORTS(name) \
  static LONG g_##name[2][2]; \
  extern "C" int ORVEXAPI Is##name(int slot, int mode) { return ReadSlotMode(g_##name, slot, mode); } \
  extern "C" void ORVEXAPI Set##name(int value, int slot, int mode) { \
    WriteSlotMode(g_##name, slot, mode, value); \
  }
ORVEX_TWO_COLUMN_OPTIONS(TWO_COLUMN_EXPORTS)

// The setter takes the slot first and the value second.
#define SLOT_ONLY_EXPORTS(name) \
  static LONG g_##name[2]; \
  extern "C" int ORVEXAPI Is##name(int slot) { return ReadSlot(g_##name, slot); } \
  extern "C" void ORVEXAPI Set##name(int slot, int value) { WriteSlot(g_##name, slot, value); }
ORVEX_SLOT_ONLY_OPTIONS(SLOT_ONLY_EXPORTS)

// Whether (and which kind of) library is built, read as a bit mask; bit 0 is
// the project setting that forces the library.
static LONG g_createLibEnabled;

// A query of 0 asks whether the setting is off, a negative one for the whole
// cell, a positive one for the cell's bits that it selects.
extern "C" int ORVEXAPI IsCreateLibEnabled(int query) {
  LONG cell = g_createLibEnabled;
  if (query == 0) return cell == 0;
  if (query < 0) return cell;
  return cell & query;
}

extern "C" void ORVEXAPI SetCreateLibEnabled(int value) { g_createLibEnabled = value; }

// -1 when the project forces the library, else the host's own choice.
extern "C" int ORVEXAPI IsForcedToCreateLibEnabledByProjectSetting(int value) {
  return IsCreateLibEnabled(1) ? -1 : value;
}
