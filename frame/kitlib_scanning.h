// Kitlib character and line walkers used by source-text scanning.
#pragma once
#include <windows.h>

#ifndef KITAPI
#define KITAPI __stdcall
#endif

extern "C" {

// Shift-JIS byte tests: a lead byte (0x81-0x9F, 0xE0-0xFC) followed by a
// trail byte (0x40-0x7E, 0x80-0xFC) is one two-byte character. NUL, CR and LF
// are never trail bytes, so a line end always starts a character.
int KITAPI __myIskanji(int byte);
int KITAPI __myIskanji2(int byte);

// 1 when the byte at position + index is `character` and is not the second
// byte of a two-byte character; 0 before `start`, at or past the NUL seen from
// `position`, or for a null text.
int KITAPI IsCharacterFound(LPCSTR start, LPCSTR position, int character, int index);

// The first CR or LF from `position`, else its terminating NUL; null for null.
LPSTR KITAPI FindLineEnd(LPCSTR position);
// The head of the physical line holding `position`: the byte after the last
// line end (CR LF, lone CR or lone LF) before it, else `start`. The LF of a
// CR LF belongs to the line that the pair ends. Null for a null or bad argument.
LPSTR KITAPI FindLineHead(LPCSTR start, LPCSTR position);
// The first blank (space, tab, CR, LF, VT, FF) of the text, or null.
LPSTR KITAPI FindSpace(LPCSTR text);
// 1 for NUL, CR and LF.
int KITAPI IsLineStartOrEnd(int byte);
// 1 when the byte `length` bytes on from `place` is a word boundary (NUL, a
// blank or punctuation other than '#' and '_'), the bytes before it being
// no NUL; else 0.
int KITAPI IsWordFound(LPCSTR place, int length);

} // extern "C"
