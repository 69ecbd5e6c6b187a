// The host's cutter of function-list entries. An entry is a name, a form
// feed, a number, a bell, a text and a backspace; the cutter writes NUL over
// the form feed and the backspace so that the name and the text read as
// texts of their own, and remembers both bytes until Recover puts them back.
// Only one entry is cut at a time: a second cut before Recover forgets the
// first one's bytes, which stay NUL, as hosts written against it expect.
//
// The cutter is the host's alone and used on its window thread; the
// completion reader reads its own copy of a list and never touches it.
#include "completion/function_lists.h"
#include <stdlib.h>
#include <string.h>

struct CutBytes {
  char *formFeedAt; // the cut form feed, or 0
  char formFeed;
  char *backspaceAt; // the cut backspace, or 0
  char backspace;
};
static CutBytes g_cut;

extern "C" int ORVEXAPI GetEachItemFromFormattedStringInFunctionList(LPSTR entry, LPSTR *name, LPSTR *text, int *number) {
  if (!entry) return 0;
  g_cut = CutBytes();
  int result = 0;
  char *search = entry;
  char *formFeed = strchr(entry, kNameEnd);
  if (formFeed) {
    g_cut.formFeedAt = formFeed;
    g_cut.formFeed = *formFeed;
    *formFeed = 0;
    if (number) *number = atoi(formFeed + 1);
    if (name) *name = entry;
    result = 1;
    search = formFeed + 1;
  }
  if (!text) return result;
  char *bell = strchr(search, kTextStart);
  if (!bell) return 1;
  char *backspace = strchr(bell + 1, kEntryEnd);
  if (backspace) {
    g_cut.backspaceAt = backspace;
    g_cut.backspace = *backspace;
    *backspace = 0;
  }
  *text = bell + 1;
  return 1;
}

// 1 when a form feed is cut (and the two answers written), else 0.
extern "C" int ORVEXAPI GetEndOfEachItemFromFormattedStringInFunctionList(LPSTR *cutAt, int *savedByte) {
  if (!g_cut.formFeedAt) return 0;
  if (cutAt) *cutAt = g_cut.formFeedAt;
  if (savedByte) *savedByte = g_cut.backspaceAt ? (unsigned char)g_cut.backspace : 0;
  return 1;
}

extern "C" void ORVEXAPI RecoverEachItemFromFormattedStringInFunctionList(void) {
  if (g_cut.formFeedAt) *g_cut.formFeedAt = g_cut.formFeed;
  if (g_cut.backspaceAt) *g_cut.backspaceAt = g_cut.backspace;
  g_cut = CutBytes();
}

extern "C" LPSTR ORVEXAPI GetNextFileNameInFunctionList(LPCSTR entry) {
  const char *backspace = entry ? strchr(entry, kEntryEnd) : 0;
  return backspace ? (LPSTR)backspace + 1 : 0;
}

extern "C" void ORVEXAPI FreeWorkMemoryForFunctionListForHeaderInDll(void) { g_cut = CutBytes(); }
