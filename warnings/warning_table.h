// The table of the compiler's warnings, shared by the warning exports.
#pragma once
#include "frame/instance.h"

struct WarningRow {
  const char *japaneseKey;  // "警告 W8057": finds the warning in a Japanese line
  const char *englishKey;   // "Warning W8057"
  const char *enableSwitch; // "-w8057"
  const char *disableSwitch; // "-w-8057"
  int state;                // 0 disabled, anything else enabled
  int defaultState;         // the compiler's own default, never written
  const char *japaneseDescription; // empty in every row
  const char *englishDescription;
  int savedState;           // copied by the snapshot
};

// The one shared empty text that the table operations hand out.
extern const char WARNING_EMPTY_TEXT[];

// The row at a host's index, or null past the end (below 0, or at or after
// the terminating row).
WarningRow *WarningRowAt(int index);
// The row's key and description in the column a caller selects (non-zero:
// Japanese).
const char *WarningKey(const WarningRow *row, int selector);
const char *WarningDescription(const WarningRow *row, int selector);
// The name by which the host stores a row's state: the code ("W8057"), taken
// from the key of the current language.
const char *WarningName(const WarningRow *row);
// Whether the line begins with the current language's warning keyword.
bool IsWarningLine(const char *line);
