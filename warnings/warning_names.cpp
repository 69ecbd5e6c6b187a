// Warning states by name, as the host keeps them between runs: the states
// that differ from the defaults go out with the warning's name and come back
// by name, or are read out of a text of compiler switches.
#include "warnings/warning_table.h"
#include "frame/scanning.h"
#include <string.h>

// Under language 1 an earlier table named each warning by its English key
// from the sixth byte on ("ng W8057"), and hosts may have saved states under
// such names: they are taken as the code behind that prefix.
static const char kOldJapaneseNamePrefix[] = "ng ";

static const char *WithoutOldPrefix(const char *name) {
  size_t length = sizeof kOldJapaneseNamePrefix - 1;
  return strncmp(name, kOldJapaneseNamePrefix, length) == 0 ? name + length : name;
}

extern "C" LPCSTR ORVEXAPI FindWarningAtStarting(int index, int *stateOut) {
  WarningRow *row = WarningRowAt(index);
  if (!row) return 0;
  if (row->state == row->defaultState) return WARNING_EMPTY_TEXT;
  if (stateOut) *stateOut = row->state;
  return WarningName(row);
}

// The name is compared without regard to letter case; the state is kept as
// given, whatever its value.
extern "C" int ORVEXAPI SaveWarningAtStarting(LPCSTR name, int state) {
  if (!name) return 0;
  name = WithoutOldPrefix(name);
  for (int i = 0; WarningRowAt(i); i++) {
    WarningRow *row = WarningRowAt(i);
    if (lstrcmpiA(WarningName(row), name) == 0) {
      row->state = state;
      return 1;
    }
  }
  return 0;
}

// Looks from the first "-w" of the text on; the name must match in case. The
// enable switch is looked for first, so a text with both enables.
extern "C" int ORVEXAPI FindAndSaveWarningInString(LPCSTR text, LPCSTR name) {
  if (!text || !name) return 0;
  name = WithoutOldPrefix(name);
  const char *switches = FindWholeCharacterString(text, "-w");
  if (!switches) return 0;
  for (int i = 0; WarningRowAt(i); i++) {
    WarningRow *row = WarningRowAt(i);
    if (strcmp(WarningName(row), name) != 0) continue;
    if (FindWholeCharacterString(switches, row->enableSwitch)) {
      row->state = 1;
      return 1;
    }
    if (FindWholeCharacterString(switches, row->disableSwitch)) {
      row->state = 0;
      return 1;
    }
  }
  return 0;
}
