// Three saved dialog records (index 0 to 2) the host keeps in the library,
// copied whole in and out and never interpreted. An index outside 0 to 2
// reads a zero record and writes nothing; a null record writes nothing.
#include "settings/session_flags.h"

// Written and read by the host's user-interface thread. Zero at load.
static DlgSavedFileInfo g_records[3];

static bool IsRecordIndex(int index) { return index >= 0 && index < 3; }

// The record is returned by value: the caller passes the address of its
// result first (hidden on its side), and on i686 this function pops that
// address with the index. A by-value call never passes a null address; a
// call declared otherwise gets null back.
extern "C" DlgSavedFileInfo *ORVEXAPI GetDlgSavedFileInfo(DlgSavedFileInfo *result, int index) {
  static const DlgSavedFileInfo zero = {};
  if (!result) return 0;
  *result = IsRecordIndex(index) ? g_records[index] : zero;
  return result;
}

extern "C" void ORVEXAPI SetDlgSavedFileInfo(int index, const DlgSavedFileInfo *record) {
  if (IsRecordIndex(index) && record) g_records[index] = *record;
}
