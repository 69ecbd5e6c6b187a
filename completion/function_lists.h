// Function databases and function lists as the rest of word completion uses
// them: the database files' paths, the header that marks a list file, the
// four list records and the reading of a list's names by the user-database
// reader.
#pragma once
#include "frame/instance.h"
#include "frame/buffer_sizes.h"
#include "frame/paths.h"

// Words and patterns of the completion popup fit a text buffer (at most 519
// bytes and a NUL); a longer word never enters the main list.
enum { kWordBufferSize = ITEM_BUFFER_SIZE };

// The byte that ends a function list's entries, and the marks of an entry:
// name, form feed, number, bell, text, backspace. None of them can be the
// second byte of a Shift-JIS character, so they are searched byte by byte.
enum { kEntriesEnd = 0x0F, kNameEnd = 0x0C, kTextStart = 0x07, kEntryEnd = 0x08 };

// The keyword database the popup reads: "Keyword_func.fdb" when macro
// keywords are left out, else "Keyword.fdb". Writes its path into `path`
// (MAX_PATH bytes); 0 with `path` empty when there is no product folder or
// the path would not fit.
int KeywordDatabasePath(LPSTR path, int withoutMacros);

// The header of the language (0 English, 1 Japanese), or null for another.
LPCSTR FunctionListHeader(int language);

// Calls `add` with each name of the list text `text` (its own writable copy:
// it is cut in place) that no later entry of the list repeats, ASCII letters
// folded; names of kWordBufferSize bytes or more are left out. Stops early
// when `add` returns false. Returns the number of names passed.
typedef bool (*ListNameSink)(const char *name, void *context);
int ForEachLastListName(char *text, ListNameSink add, void *context);

extern "C" {
int ORVEXAPI GetFileNameForOrvex55SystemFunctionList(LPSTR path, int index);
int ORVEXAPI GetKeywordListWithoutMacroKeyword(LPSTR path);
LPCSTR ORVEXAPI GetNotEditedString(int language);
LPSTR ORVEXAPI DoFindNotEditedInMultiLanguage(LPSTR text, int *language);
}
