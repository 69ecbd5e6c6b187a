// The warning table by index, as the host walks it to list the warnings and
// to build the warning switches of the compiler's command line, and the
// snapshot of all states that the host's warning list returns to.
#include "warnings/warning_table.h"
#include <string.h>

// Set by SetWarningSwitchSaved on the host's user-interface thread. Until a
// snapshot exists, restoring it would only destroy the current states.
static bool g_snapshotTaken = false;

static bool IsAtDefault(const WarningRow *row) { return row->state == row->defaultState; }

// The key goes to keyBuffer (at most 13 bytes and a NUL), the description
// pointer to descriptionOut. With onlyChanged 1 a row at its default answers
// -1, its key and description still delivered.
extern "C" int ORVEXAPI GetWarningSwitch(int index, LPSTR keyBuffer, LPCSTR *descriptionOut, int selector,
                                         int onlyChanged) {
  if (descriptionOut) *descriptionOut = 0;
  WarningRow *row = WarningRowAt(index);
  if (!row) return -1;
  if (keyBuffer) strcpy(keyBuffer, WarningKey(row, selector));
  if (descriptionOut) *descriptionOut = WarningDescription(row, selector);
  if (onlyChanged == 1 && IsAtDefault(row)) return -1;
  return row->state;
}

extern "C" LPCSTR ORVEXAPI GetWarningSwitchString(int index, int onlyChanged) {
  WarningRow *row = WarningRowAt(index);
  if (!row) return 0;
  if (onlyChanged == 1 && IsAtDefault(row)) return WARNING_EMPTY_TEXT;
  return row->state ? row->enableSwitch : row->disableSwitch;
}

extern "C" void ORVEXAPI SetWarningSwitchSaved(void) {
  for (int i = 0; WarningRowAt(i); i++) WarningRowAt(i)->savedState = WarningRowAt(i)->state;
  g_snapshotTaken = true;
}

extern "C" void ORVEXAPI GetWarningSwitchSaved(void) {
  if (!g_snapshotTaken) return;
  for (int i = 0; WarningRowAt(i); i++) WarningRowAt(i)->state = WarningRowAt(i)->savedState;
}
