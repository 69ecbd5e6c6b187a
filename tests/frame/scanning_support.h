// Signatures of the scanning exports as the host calls them, and the small
// helpers their tests share.
#pragma once
#include "host/host.h"
#include "host/text_checks.h"
#include <gtest/gtest.h>
#include <iterator>

typedef char *(__stdcall *TextToText)(char *text);
typedef char *(__stdcall *TextPlaceToText)(char *start, char *position);
typedef char *(__stdcall *TextIntToText)(char *text, int value);
typedef int(__stdcall *TextToInt)(char *text);
typedef int(__stdcall *TextPlaceToInt)(char *text, char *place);
typedef int(__stdcall *TextIntToInt)(char *text, int value);
typedef int(__stdcall *PlaceTest)(char *start, char *position, int index);
typedef int(__stdcall *KeywordTest)(char *start, char **position);
typedef int(__stdcall *ByteTest)(int byte);
typedef int(__stdcall *Getter)(void);
typedef int(__stdcall *Setter)(int value);
typedef int(__stdcall *ItemFinder)(char *line, char *word, char *item);
typedef int(__stdcall *EndMarkRemover)(char *text, int mark, int n);

// Offset of a result in its text; -1 for null.
inline long Offset(const char *text, const char *result) { return result ? (long)(result - text) : -1; }

// A case row's text made readable for failure messages.
inline std::string Shown(const char *text) {
  std::string shown;
  for (const unsigned char *p = (const unsigned char *)text; *p; p++) {
    char hex[8];
    if (*p >= 32 && *p < 127) shown += (char)*p;
    else snprintf(hex, sizeof hex, "\\x%02x", *p), shown += hex;
  }
  return shown;
}

// A text, a place in it, and the expected offset of the result (-1: null).
struct PlaceCase {
  const char *text;
  int position;
  long expected;
};

// Runs a finder of (text start, place) on each case's text before a guard page.
inline void CheckPlaceFinder(const char *name, TextPlaceToText find, const PlaceCase *cases, size_t count) {
  for (size_t i = 0; i < count; i++) {
    char *text = GuardedText(cases[i].text);
    EXPECT_EQ(Offset(text, find(text, text + cases[i].position)), cases[i].expected)
        << name << " on " << Shown(cases[i].text) << " at " << cases[i].position;
    FreeGuarded(text);
  }
}

