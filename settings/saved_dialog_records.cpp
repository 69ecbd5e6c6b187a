// Three saved dialog records (index 0 to 2) the host keeps in the library,
// copied whole in and out and never interpreted. An index outside 0 to 2
// reads a zero record and writes nothing; a null record writes nothing.
#include "settings/session_flags.h"

// Written and read by the host's user-interface thread. Zero at load.
static DlgSavedFileInfo g_records[3];

static bool IsRecordIndex(int index) { return index >= 0 && index < 3; }

// Callers declare the record as returned by value. The compiler passes the
// address of their result as a hidden first argument and on i686 the callee
// pops it with the index; written out here, the stdcall decoration counts
// both. A by-value call never passes a null address.
extern "C" DlgSavedFileInfo *ORVEXAPI GetDlgSavedFileInfo(DlgSavedFileInfo *result, int index) {
  static const DlgSavedFileInfo zero = {};
  if (!result) return 0;
  *result = IsRecordIndex(index) ? g_records[index] : zero;
  return result;
}

extern "C" void ORVEXAPI SetDlgSavedFileInfo(int index, const DlgSavedFileInfo *record) {
  if (IsRecordIndex(index) && record) g_records[index] = *record;
}
