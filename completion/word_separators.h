// The separator kinds of the word-at-cursor scans: kinds 0, 1 and 2 split
// words at NUL, blanks and punctuation other than '#' and '_'; kind 3 only
// at NUL, CR and LF.
#pragma once
#include "frame/instance.h"

#define SEPARATOR_KINDS 4

// What a scan looking right finds at a place.
enum RightLook { LOOK_WORD_BYTE, LOOK_SEPARATOR, LOOK_DOUBLE_BYTE };

bool IsSeparatorKind(int kind);
// Whether the byte separates words under the kind (a valid kind).
bool SeparatesWords(int kind, int byte);
// The class of the place p, looking at its byte and the one after it.
RightLook LookRight(int kind, const char *p);
// The class of the character that starts at `character`: a two-byte
// character, a separator (a lone lead byte counts as one, so no word holds
// half a character), or a word byte.
RightLook CharacterClass(int kind, const char *character);
// The class of the character that holds p in the text from `start`, its
// start found by the character model (so a trail byte is never judged on
// its own).
RightLook LookAt(int kind, const char *start, const char *p);

extern "C" int ORVEXAPI GetRightWordSeparatedByKugiri(LPSTR text, int kind, LPSTR *end, int *savedByte);
extern "C" LPSTR ORVEXAPI GetLeftWordSeparatedByKugiri(LPSTR start, LPSTR pos, int kind);
