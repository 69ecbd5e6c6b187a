// The environment and session cells: editor geometry, start-up choices,
// confirmations the user has switched off, and flags the host raises while a
// worker runs or a notice has been shown. The library keeps them for the host
// and its own dialogs read a few; every export is generated from the lists in
// session_cell_list.h.
#include "settings/session_flags.h"

// What each operation does with the cell g_<name>.
#define ORVEX_BODY_IS(name) { return g_##name; }
#define ORVEX_BODY_GET(name) { return g_##name; }
#define ORVEX_BODY_SET(name) { g_##name = value; }
#define ORVEX_BODY_SET_AT_LEAST_3(name) { g_##name = value < 3 ? 3 : value; }
#define ORVEX_BODY_ADD(name) { InterlockedOr(&g_##name, bits); }
#define ORVEX_BODY_REMOVE(name) { InterlockedAnd(&g_##name, ~bits); }
#define ORVEX_BODY_IS_MASKED(name) { return g_##name & bits; }

#define ORVEX_DEFINE_OP(op, name) ORVEX_CELL_##op(name) ORVEX_BODY_##op(name)

// Each cell is written by the host, mostly from its user-interface thread; the
// ...ThreadActive flags and UpdateOrvexMessageTimerActive also by its worker
// threads. Any thread may read a cell at any time: it is an aligned 32-bit
// value read and written whole, and the bits are added and removed with
// interlocked operations so that two threads never lose each other's bits.
#define ORVEX_DEFINE_CELL(kind, name, initial) \
  static volatile LONG g_##name = initial; \
  ORVEX_##kind##_OPS(ORVEX_DEFINE_OP, name)
ORVEX_FLAG_CELLS(ORVEX_DEFINE_CELL)
ORVEX_VALUE_CELLS(ORVEX_DEFINE_CELL)
