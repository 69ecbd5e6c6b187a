// Scanning of Shift-JIS C source text: the exported scanners and the
// character walking they share with the warning table and the word-at-cursor
// code. Everything works in place on NUL-terminated texts and returns
// pointers into them.
#pragma once
#include "frame/instance.h"
#include "frame/shift_jis.h"
#include <stddef.h>

#include "frame/buffer_sizes.h"

// The first place in `text` where `word` starts on a character boundary, or
// null; null for a null text, a null word or an empty one.
char *FindWholeCharacterString(const char *text, const char *word);
// The first occurrence of the byte as a character of its own, or null.
char *FindRealCharacter(const char *text, int character);
// 1 when the byte at position + index is one of the bytes of `set` as a
// character of its own (Kitlib IsCharacterFound), else 0.
int IsRealCharacterOf(const char *start, const char *position, int index, const char *set);
// Steps over such bytes from `position`: the first other byte when at least
// one was stepped over, else null.
char *SkipRealCharactersOf(const char *start, const char *position, const char *set);
// Copies whole characters from `from` up to `limit` (null: up to the NUL),
// stopping earlier at a NUL, into `out` of `size` bytes: at most size - 1
// bytes and a NUL. The areas may overlap. Returns the bytes copied.
size_t CopyWholeCharacters(char *out, size_t size, const char *from, const char *limit);

// The three last-scan results read by the host through the getters; the
// word-at-cursor code sets them too. Written and read on the host's
// user-interface thread only.
void ResetLastScanResults(void);
void SetMovedCurPosition(int moved);
void SetHeadCurPosition(int head);
void SetWordToRight(int found);

extern "C" {

// Logical lines.
LPSTR ORVEXAPI FindLineEndSkipYenmarkAsContinued(LPSTR text);
LPSTR ORVEXAPI FindLineHeadSkipYenmarkAsContinued(LPSTR start, LPSTR position);
int ORVEXAPI IsNewLine(LPSTR start, LPSTR position, int index);
LPSTR ORVEXAPI SkipNewLineOnly(LPSTR start, LPSTR position);
int ORVEXAPI IsThereLineEndIncluded(LPSTR text);

// Blanks.
LPSTR ORVEXAPI FindEffectiveSpace(LPSTR text);
LPSTR ORVEXAPI GetNonSpaceAfterSpaces(LPSTR text, int limit);
LPSTR ORVEXAPI SkipEffectiveSpace(LPSTR start, LPSTR position);
LPSTR ORVEXAPI SkipEffectiveSpaceFromBeginning(LPSTR text);
LPSTR ORVEXAPI SkipEffectiveSpaceFromEndOtherwiseReturnNULL(LPSTR text);
int ORVEXAPI IsSpaceOnly(LPSTR text, LPSTR end);
int ORVEXAPI IsSpaceOnlyAfterRightKakkoBeforeDaiKaikko(LPSTR rightKakko, LPSTR daiKakko);
int ORVEXAPI IsTabOrSpace(LPSTR start, LPSTR position, int index);
int ORVEXAPI IsSpecifiedCharacterOnly(LPSTR text, int character);

// Declarations and words.
int ORVEXAPI IsDefine(LPSTR start, LPSTR *position);
int ORVEXAPI IsInclude(LPSTR start, LPSTR *position);
int ORVEXAPI IsEnum(LPSTR start, LPSTR *position);
int ORVEXAPI IsStruct(LPSTR start, LPSTR *position);
int ORVEXAPI IsTypeDef(LPSTR start, LPSTR *position);
int ORVEXAPI IsTypeDecrareHandle(LPSTR start, LPSTR *position);
int ORVEXAPI IsStringStartOrEndInDll(int byte);
LPSTR ORVEXAPI FindStringByWordByWord(LPSTR text, LPSTR word);
LPSTR ORVEXAPI FindSeparatorMark(LPSTR text);
int ORVEXAPI FindItemOnTheRightSideAfterSpecifiedWord(LPSTR line, LPSTR word, LPSTR item);

// Editing in place.
int ORVEXAPI RemoveCRNLAtEnd(LPSTR text);
int ORVEXAPI RemoveCRNLAtHead(LPSTR text);
int ORVEXAPI RemoveEndMarkInStringForOrvex(LPSTR text, int mark, int n);
LPSTR ORVEXAPI ReplaceSpaceBySpecifiedCharacter(LPSTR text, int character);

// Marks, flags and last-scan results.
int ORVEXAPI GetKugiriMarkForSameName(void);
LPSTR ORVEXAPI FindKUGIRIMARK_FOR_SAME_NAME(LPSTR text);
int ORVEXAPI GetKillKUGIRI_MARK_UNDERLINE(void);
int ORVEXAPI SetKillKUGIRI_MARK_UNDERLINE(int kill);
int ORVEXAPI IsKillKUGIRI_MARK_SHARP(void);
int ORVEXAPI SetKillKUGIRI_MARK_SHARP(int kill);
int ORVEXAPI GetMovedCurPositionBySpacesDeleted(void);
int ORVEXAPI GetHeadCurPosition(void);
int ORVEXAPI IsWordToRight(void);

} // extern "C"
