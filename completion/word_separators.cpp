// The table of separator tests indexed by the scans' kind, and the class of
// a place or a character as the word scans see it.
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

RightLook CharacterClass(int kind, const char *character) {
  if (SjisCharLength(character) == 2) return LOOK_DOUBLE_BYTE;
  if (SjisIsLeadByte((unsigned char)*character)) return LOOK_SEPARATOR;
  return SeparatesWords(kind, *character) ? LOOK_SEPARATOR : LOOK_WORD_BYTE;
}

// A place that starts no character is the trail byte of the one before it.
RightLook LookAt(int kind, const char *start, const char *p) {
  return CharacterClass(kind, SjisIsCharStart(start, p) ? p : p - 1);
}
