// Warning lines in both languages: the line test with and without a code
// buffer (the line cut behind the code, the buffer bounded), switching the
// named warning on and off, and the disabled test. Lines that must not
// change are read-only.
#include "warning_support.h"

static const char ENGLISH_LINE[] = "Warning W8057 a.c 12: Parameter 'x' is never used in function f";
static const char JAPANESE_LINE[] = JAPANESE_WARNING " W8057 a.c 12: x";

TEST_F(WarningTable, KeywordTestWithoutBuffer) {
  static const struct {
    int language;
    const char *line;
    int after; // offset of the result, -1 for null
  } cases[] = {
      {0, ENGLISH_LINE, 7}, {0, "Warning", 7}, {0, "Error E2209 a.c 1: Unable to open", -1},
      {0, " Warning W8057", -1}, {0, "Warn", -1}, {0, JAPANESE_LINE, -1}, {1, JAPANESE_LINE, 4},
      {1, ENGLISH_LINE, -1}, {1, "\x8c\x78", -1},
  };
  auto test = WarningProc<KeikokuTest>("IsKeikokuMessage");
  for (const auto &c : cases) {
    HostSetLanguage(c.language);
    char *line = GuardedReadOnlyText(c.line);
    char *result = test(line, 0);
    EXPECT_EQ(result ? result - line : -1, c.after) << c.line << " in language " << c.language;
    FreeGuarded(line);
  }
  EXPECT_EQ(test(0, 0), nullptr);
}

TEST_F(WarningTable, KeywordTestCutsTheCode) {
  static const struct {
    int language;
    const char *line, *code, *cutLine;
  } cases[] = {
      {0, ENGLISH_LINE, " W8057", "Warning W8057"},
      {0, "Warning W8057", " W8057", "Warning W8057"},         // no blank after the code
      {0, "Warning\tW8057 a.c", "\tW8057", "Warning\tW8057"},
      {1, JAPANESE_LINE, " W8057", JAPANESE_WARNING " W8057"},
  };
  auto test = WarningProc<KeikokuTest>("IsKeikokuMessage");
  for (const auto &c : cases) {
    HostSetLanguage(c.language);
    char *line = GuardedText(c.line);
    char code[520];
    EXPECT_EQ(test(line, code), code);
    EXPECT_STREQ(code, c.code);
    EXPECT_STREQ(line, c.cutLine);
    FreeGuarded(line);

    line = GuardedText(c.line); // the line as its own buffer
    EXPECT_EQ(test(line, line), line + strlen(c.cutLine) - strlen(c.code));
    EXPECT_STREQ(line, c.cutLine);
    FreeGuarded(line);
  }
}

// A code without a blank after it runs to the line's end: at most 519 bytes
// reach the buffer, cut on a whole character.
TEST_F(WarningTable, KeywordTestBoundsTheCode) {
  static const struct {
    const char *start;
    std::string unit;
    size_t length;
  } cases[] = {{"Warning ", "x", 519}, {"Warning W", "\x88\x9f", 518}};
  auto test = WarningProc<KeikokuTest>("IsKeikokuMessage");
  for (const auto &c : cases) {
    std::string text = c.start;
    while (text.size() < 8 + 600) text += c.unit;
    char *line = GuardedText(text.c_str());
    char buffer[1024];
    memset(buffer, 'Q', sizeof buffer);
    EXPECT_EQ(test(line, buffer), buffer);
    EXPECT_EQ(strlen(buffer), c.length);
    EXPECT_EQ(std::string(buffer), text.substr(7, c.length));
    EXPECT_EQ(std::string(buffer + 520, 504), std::string(504, 'Q')) << "written past 520 bytes";
    FreeGuarded(line);
  }
}

struct SwitchCase {
  int language;
  const char *line;
  int state, selector;
  const char *result; // null: refused
  int code, stateAfter;
};

TEST_F(WarningTable, SwitchFromALine) {
  static const SwitchCase cases[] = {
      {0, ENGLISH_LINE, 0, 0, "-w-8057", 8057, 0},
      {0, ENGLISH_LINE, 5, 0, "-w8057", 8057, 1},
      {0, ENGLISH_LINE, 0, 0, "-w-8057", 8057, 0},
      {0, ENGLISH_LINE, -1, 0, 0, 8057, 0},                  // a negative state changes nothing
      {0, "Error E2209 a.c 1: W8057", 1, 0, 0, 8057, 0},
      {0, " Warning W8057 a.c 1: x", 1, 0, 0, 8057, 0},
      {0, "Warning W9999 a.c 1: x", 0, 0, 0, 8057, 0},       // no such row
      {0, ENGLISH_LINE, 1, 1, 0, 8057, 0},                   // the Japanese key is not in it
      {0, "Warning W8097 a.c 1: x", 0, 0, "-w-8097", 8097, 0},
      {1, ENGLISH_LINE, 1, 0, 0, 8057, 0},                   // an English line under Japanese
      {1, JAPANESE_LINE, 1, 0, 0, 8057, 0},                  // the English key is not in it
      {1, JAPANESE_LINE, 1, 1, "-w8057", 8057, 1},
      {1, JAPANESE_LINE, 0, 1, "-w-8057", 8057, 0},
  };
  auto doSwitch = WarningProc<LineSwitcher>("DoWarningSwitch");
  auto disabled = WarningProc<LineTest>("IsWarningSwitchDisabled");
  for (const SwitchCase &c : cases) {
    SCOPED_TRACE(std::string(c.line) + " state " + std::to_string(c.state) + " selector " +
                 std::to_string(c.selector) + " language " + std::to_string(c.language));
    HostSetLanguage(c.language);
    char *line = GuardedReadOnlyText(c.line);
    const char *result = doSwitch(line, c.state, c.selector);
    if (c.result) EXPECT_STREQ(result, c.result);
    else EXPECT_EQ(result, nullptr);
    EXPECT_EQ(StateOf(c.code), c.stateAfter);
    int found = c.result || c.state < 0;
    EXPECT_EQ(disabled(line, c.selector), found && c.stateAfter == 0);
    FreeGuarded(line);
  }
  EXPECT_EQ(doSwitch(0, 0, 0), nullptr);
  EXPECT_EQ(disabled(0, 0), 0);
}
