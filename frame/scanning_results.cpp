// Small state the scanners keep for the host: the results of the last word
// scan and the two separator-kill flags. All of it is written and read on the
// host's user-interface thread; each value is an aligned 32-bit word.
#include "frame/scanning.h"

// Blanks removed before the word found (negative for the left word).
static int g_movedCurPosition = 0;
// Word bytes stepped over to the left, minus 1.
static int g_headCurPosition = 0;
// 1 when the last scan found a word at or after the cursor.
static int g_wordToRight = 0;

// Kept for the host, which sets and reads them; nothing in the library reads
// them. Both start as 1.
static int g_killUnderlineMark = 1;
static int g_killSharpMark = 1;

void ResetLastScanResults(void) {
  g_movedCurPosition = 0;
  g_headCurPosition = 0;
  g_wordToRight = 0;
}

void SetMovedCurPosition(int moved) { g_movedCurPosition = moved; }
void SetHeadCurPosition(int head) { g_headCurPosition = head; }
void SetWordToRight(int found) { g_wordToRight = found; }

extern "C" int ORVEXAPI GetMovedCurPositionBySpacesDeleted(void) { return g_movedCurPosition; }
extern "C" int ORVEXAPI GetHeadCurPosition(void) { return g_headCurPosition; }
extern "C" int ORVEXAPI IsWordToRight(void) { return g_wordToRight; }

extern "C" int ORVEXAPI GetKillKUGIRI_MARK_UNDERLINE(void) { return g_killUnderlineMark; }
extern "C" int ORVEXAPI SetKillKUGIRI_MARK_UNDERLINE(int kill) { return g_killUnderlineMark = kill; }
extern "C" int ORVEXAPI IsKillKUGIRI_MARK_SHARP(void) { return g_killSharpMark; }
extern "C" int ORVEXAPI SetKillKUGIRI_MARK_SHARP(int kill) { return g_killSharpMark = kill; }
