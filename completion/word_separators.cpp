// The table of separator tests indexed by the scans' kind, and the class of
// a place as a scan looking right sees it.
#include "completion/word_separators.h"
#include "frame/scanning.h"
#include "frame/kitlib.h"
#include "frame/shift_jis.h"

typedef int(__stdcall *SeparatorTest)(int byte);

static const SeparatorTest g_separatorTests[SEPARATOR_KINDS] = {
    IsStringStartOrEndInDll, IsStringStartOrEndInDll, IsStringStartOrEndInDll, IsLineStartOrEnd};

bool IsSeparatorKind(int kind) { return kind >= 0 && kind < SEPARATOR_KINDS; }

bool SeparatesWords(int kind, int byte) { return g_separatorTests[kind]((unsigned char)byte) != 0; }

RightLook LookRight(int kind, const char *p) {
  if (SjisCharLength(p) == 2) return LOOK_DOUBLE_BYTE;
  return SeparatesWords(kind, *p) ? LOOK_SEPARATOR : LOOK_WORD_BYTE;
}

const char *CharacterHolding(const char *start, const char *p) {
  const char *at = start;
  while (at < p && *at) {
    const char *next = SjisNext(at);
    if (next > p) break;
    at = next;
  }
  return at;
}

RightLook LookAt(int kind, const char *start, const char *p) {
  const char *at = CharacterHolding(start, p);
  if (SjisCharLength(at) == 2) return LOOK_DOUBLE_BYTE;
  if (SjisIsLeadByte((unsigned char)*at)) return LOOK_SEPARATOR;
  return SeparatesWords(kind, *at) ? LOOK_SEPARATOR : LOOK_WORD_BYTE;
}
