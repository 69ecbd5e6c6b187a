// Every walker on texts that end in a lone lead byte right before a
// PAGE_NOACCESS page: a two-byte step that took the NUL for a second byte
// would read the guard page and crash the test.
#include "scanning_support.h"
#include <functional>

typedef int(__stdcall *KitCharacterTest)(const char *, const char *, int, int);
typedef char *(__stdcall *KitFinder)(const char *);
typedef int(__stdcall *KitWordTest)(const char *, int);

struct Walker {
  const char *name;
  std::function<void(char *text, char *last)> run; // last: the lone lead byte
};

static std::vector<Walker> Walkers() {
  static char define[] = "#define", none[] = "zz";
  return {
      {"FindLineEndSkipYenmarkAsContinued", [](char *t, char *) { NeedHostProc<TextToText>("FindLineEndSkipYenmarkAsContinued")(t); }},
      {"FindLineHeadSkipYenmarkAsContinued", [](char *t, char *l) { NeedHostProc<TextPlaceToText>("FindLineHeadSkipYenmarkAsContinued")(t, l); }},
      {"FindEffectiveSpace", [](char *t, char *) { NeedHostProc<TextToText>("FindEffectiveSpace")(t); }},
      {"GetNonSpaceAfterSpaces", [](char *t, char *) { NeedHostProc<TextIntToText>("GetNonSpaceAfterSpaces")(t, 0); }},
      {"SkipEffectiveSpace", [](char *t, char *) { NeedHostProc<TextPlaceToText>("SkipEffectiveSpace")(t, t); }},
      {"SkipEffectiveSpaceFromBeginning", [](char *t, char *) { NeedHostProc<TextToText>("SkipEffectiveSpaceFromBeginning")(t); }},
      {"SkipEffectiveSpaceFromEndOtherwiseReturnNULL", [](char *t, char *) { NeedHostProc<TextToText>("SkipEffectiveSpaceFromEndOtherwiseReturnNULL")(t); }},
      {"IsSpaceOnly", [](char *t, char *) { NeedHostProc<TextPlaceToInt>("IsSpaceOnly")(t, 0); }},
      {"IsTabOrSpace", [](char *t, char *l) { NeedHostProc<PlaceTest>("IsTabOrSpace")(t, l, 1); }},
      {"IsNewLine", [](char *t, char *l) { NeedHostProc<PlaceTest>("IsNewLine")(t, l, 1); }},
      {"SkipNewLineOnly", [](char *t, char *l) { NeedHostProc<TextPlaceToText>("SkipNewLineOnly")(t, l); }},
      {"IsSpecifiedCharacterOnly", [](char *t, char *) { NeedHostProc<TextIntToInt>("IsSpecifiedCharacterOnly")(t, 'a'); }},
      {"IsThereLineEndIncluded", [](char *t, char *) { NeedHostProc<TextToInt>("IsThereLineEndIncluded")(t); }},
      {"IsDefine", [](char *t, char *l) { NeedHostProc<KeywordTest>("IsDefine")(t, &l); }},
      {"FindStringByWordByWord", [](char *t, char *) { NeedHostProc<TextPlaceToText>("FindStringByWordByWord")(t, none); }},
      {"FindSeparatorMark", [](char *t, char *) { NeedHostProc<TextToText>("FindSeparatorMark")(t); }},
      {"FindKUGIRIMARK_FOR_SAME_NAME", [](char *t, char *) { NeedHostProc<TextToText>("FindKUGIRIMARK_FOR_SAME_NAME")(t); }},
      {"FindItemOnTheRightSideAfterSpecifiedWord", [](char *t, char *) {
         char item[520];
         NeedHostProc<ItemFinder>("FindItemOnTheRightSideAfterSpecifiedWord")(t, define, item);
       }},
      {"RemoveCRNLAtEnd", [](char *t, char *) { NeedHostProc<TextToInt>("RemoveCRNLAtEnd")(t); }},
      {"RemoveCRNLAtHead", [](char *t, char *) { NeedHostProc<TextToInt>("RemoveCRNLAtHead")(t); }},
      {"RemoveEndMarkInStringForOrvex", [](char *t, char *) { NeedHostProc<EndMarkRemover>("RemoveEndMarkInStringForOrvex")(t, 0x95, 1); }},
      {"ReplaceSpaceBySpecifiedCharacter", [](char *t, char *) { NeedHostProc<TextIntToText>("ReplaceSpaceBySpecifiedCharacter")(t, ';'); }},
      {"Kitlib IsCharacterFound", [](char *t, char *l) { NeedKitProc<KitCharacterTest>("IsCharacterFound")(t, l, 0, 1); }},
      {"Kitlib FindLineEnd", [](char *t, char *) { NeedKitProc<KitFinder>("FindLineEnd")(t); }},
      {"Kitlib FindSpace", [](char *t, char *) { NeedKitProc<KitFinder>("FindSpace")(t); }},
      {"Kitlib IsWordFound", [](char *t, char *) { NeedKitProc<KitWordTest>("IsWordFound")(t, 7); }},
  };
}

TEST(ScanningGuard, LoneLeadByteAtTheEnd) {
  static const char *texts[] = {"\x95", "aa\x95", "#define \x95", "a \\ \x95", "#define\x95", "x:y;\x95"};
  for (const Walker &walker : Walkers())
    for (const char *original : texts) {
      SCOPED_TRACE(std::string(walker.name) + " on " + Shown(original));
      char *text = GuardedText(original);
      walker.run(text, text + strlen(text) - 1);
      FreeGuarded(text);
    }
}
