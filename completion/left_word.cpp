// The word that ends at a place of a line, found looking left. Character
// bounds come from one walk forward from the start of the text: looking only
// at the byte before a place would take the 'A' of "メA" (0x83 0x81 0x41)
// for the second byte of a character made with the 0x81 before it.
#include "completion/word_separators.h"
#include "frame/scanning.h"
#include "frame/shift_jis.h"
#include <string.h>
#include <vector>

// The start of every character of `start` up to and including the one that
// holds `pos`.
static void CharacterStarts(const char *start, const char *pos, std::vector<const char *> *starts) {
  for (const char *at = start;; at = SjisNext(at)) {
    starts->push_back(at);
    if (!*at || SjisNext(at) > pos) break;
  }
}

// Null for a null text, a place outside it or a kind outside 0 to 3.
extern "C" LPSTR ORVEXAPI GetLeftWordSeparatedByKugiri(LPSTR start, LPSTR pos, int kind) {
  if (!start || !pos || pos < start || !IsSeparatorKind(kind) || pos > start + strlen(start)) return 0;
  std::vector<const char *> starts;
  CharacterStarts(start, pos, &starts);
  size_t at = starts.size() - 1; // the character holding pos
  int stepped = 0;
  // Word characters are single bytes: stepping over one moves one byte left.
  while (CharacterClass(kind, starts[at]) == LOOK_WORD_BYTE) {
    if (at == 0) return start; // the word runs to the start of the text
    at--;
    stepped++;
  }
  if (stepped) {
    if (at == 0 && SjisCharLength(start) == 1) return start + 1; // a separator opens the text
    SetHeadCurPosition(stepped - 1);
    return (LPSTR)starts[at] + SjisCharLength(starts[at]);
  }
  if (CharacterClass(kind, starts[at]) == LOOK_SEPARATOR) return pos;
  // A run of two-byte characters ending with the one that holds pos.
  while (at > 0 && CharacterClass(kind, starts[at - 1]) == LOOK_DOUBLE_BYTE) at--;
  return (LPSTR)starts[at];
}
