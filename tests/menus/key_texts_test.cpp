// Shortcut texts and key names: composing a shortcut into a menu text and
// reading the key stroke back in both languages, parsing key names whole and
// only in the shortcut part, judging key strokes, and keys held down.
#include "menus/menu_calls.h"
#include <string.h>

static const int kNamedKeys[] = {0x26, 0x28, 0x25, 0x27, 0x20, 0x24, 0x23, 0x09, 0x08, 0x21, 0x22, 0x2D, 0x2E, 0x1B};
static const char *const kKeyNames[] = {"Up",  "Dwon",       "Left",    "Right",     "Space",  "Home",   "End",
                                        "Tab", "Back Space", "Page Up", "Page Down", "Insert", "Delete", "Esc"};
static const char *const kJapaneseArrows[] = {"\x81\xAA", "\x81\xAB", "\x81\xA9", "\x81\xA8"};

static std::string Prefixes(int mask) {
  return std::string(mask & 1 ? "Ctrl+" : "") + (mask & 2 ? "Alt+" : "") + (mask & 4 ? "Shift+" : "");
}

// The label names keys of its own; only the shortcut behind the mark counts.
TEST(KeyTexts, EveryKeyAndMaskComposesAndReadsBack) {
  const char *label = "&Home Page Up";
  for (int language : {0, 1}) {
    HostSetLanguage(language);
    for (int row = 0; row < 14; row++) {
      int key = kNamedKeys[row];
      std::string name = language && row < 4 ? kJapaneseArrows[row] : kKeyNames[row];
      EXPECT_STREQ(Call<LPCSTR>("GetStringFromVkCodeForSpecialKeyStroke", key), name.c_str());
      for (int mask = 0; mask < 8; mask++) {
        char text[520];
        strcpy(text, label);
        Call<int>("SetAltCodeInMenuString", text, 0, key, 0, mask);
        std::string expected = std::string(label) + "\t " + Prefixes(mask) + name;
        ASSERT_EQ(text, expected);
        int position = -1;
        EXPECT_EQ(Call<int>("GetVkCodeFromStringForAllKeyStroke", (LPCSTR)text, &position), key) << text;
        EXPECT_EQ(position, (int)(expected.size() - name.size())) << text;
        EXPECT_EQ(Call<int>("GetSpecialKeyCodeFormMenuString", (LPCSTR)text), mask) << text;
      }
    }
  }
  HostSetLanguage(0);
}

TEST(KeyTexts, KeyNamesParseWholeAndOnlyInTheShortcut) {
  static const struct { int language; const char *text; int key, position; } kCases[] = {
      {0, "Ctrl+Back Space", 0x08, 5},
      {0, "Ctrl+Page Up", 0x21, 5},
      {0, "Alt+X", 'X', 4},
      {0, "Ctrl+Uphill", 'U', 5},
      {0, "Run\tF5", 'F', 4},
      {0, "Ctrl+\x83\x55p", 0x83, 5},         // the trail byte of the character holds "Up"
      {0, "&Home Page\x81\tCtrl+O", 'O', 17}, // a lead byte before the tab is a byte of its own
      {1, "Ctrl+\x81\xAB", 0x28, 5},
      {1, "Ctrl+Dwon", 'D', 5},
  };
  for (const auto &c : kCases) {
    HostSetLanguage(c.language);
    int position = -1;
    EXPECT_EQ(Call<int>("GetVkCodeFromStringForAllKeyStroke", c.text, &position), c.key) << c.text;
    EXPECT_EQ(position, c.position) << c.text;
  }
  HostSetLanguage(0);
}

// The old shortcut goes whatever it holds; a tail stays behind the new one;
// a result longer than a menu text leaves the text as it was.
TEST(KeyTexts, ComposingReplacesTheWholeOldShortcut) {
  std::string longLabel = std::string(510, 'a') + "\tF9";
  static const struct { const char *text; int key, tail, mask; const char *expected; } kCases[] = {
      {"&Open\tCtrl+O", 0, 0, 0, "&Open"},
      {"&Run\tF5", 'R', 0, 1, "&Run\t Ctrl+R"},
      {"E&xit\tAlt+X", 'Q', 0, 1, "E&xit\t Ctrl+Q"},
      {"&Build: app.exe\tCtrl+B", 0, ':', 0, "&Build: app.exe"},
      {"&Build\t Ctrl+B: app.exe", 0, ':', 0, "&Build: app.exe"},
      {"&Build: app.exe\tF9", 'B', ':', 1, "&Build\t Ctrl+B: app.exe"},
      {longLabel.c_str(), 0x22, 0, 7, longLabel.c_str()},
  };
  for (const auto &c : kCases) {
    char text[520];
    strcpy(text, c.text);
    EXPECT_EQ(Call<int>("SetAltCodeInMenuString", text, 0, c.key, c.tail, c.mask), 0);
    EXPECT_STREQ(text, c.expected);
  }
  char text[520];
  strcpy(text, std::string(510, 'a').c_str());
  EXPECT_EQ(Call<int>("AddExtraSpecialKeyInMenuString", text, 7), 510);
  EXPECT_EQ(strlen(text), 510u);
}

TEST(KeyTexts, KeyStrokesAreJudged) {
  static const struct { int code, mask, special, result, after; } kRows[] = {
      {0x24, 1, 1, 1, 0x24}, {0x25, 1, 1, 0, 0x25}, {0x25, 3, 1, 1, 0x25},  {0x25, 2, 1, 0, 0x25},
      {0x25, 5, 1, 1, 0x25}, {'A', 4, 0, 1, 'A'},   {0x2E, 0, 0, -1, 0x2E}, {0x08, 0, 1, -1, 0x08},
      {'A', 0, 0, -2, 'A'},  {0x90, 0, 0, 0, 0x90}, {0xBD, 2, 0, 0, '-'},   {-5, 1, 1, 0, -5},
  };
  for (const auto &row : kRows) {
    int code = row.code;
    EXPECT_EQ(Call<int>("IsKeyStrokeForbidden", &code, row.mask, row.special), row.result) << row.code;
    EXPECT_EQ(code, row.after) << row.code;
  }
}

// Keys held down come from the thread's key state (SetKeyboardState).
TEST(KeyTexts, KeysHeldDownAreShown) {
  BYTE keys[256] = {};
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  char buffer[16] = "";
  EXPECT_EQ(Call<int>("GetSpecialKeyCodeFromKeydown"), 5);
  EXPECT_EQ(Call<int>("GetAppropriateKeyStringFromVkey", buffer, 15, 1), 'O'); // Ctrl+O gives 15
  EXPECT_STREQ(buffer, "O");
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(Call<int>("GetAppropriateKeyStringFromVkey", buffer, 16, 1), 0);
}
