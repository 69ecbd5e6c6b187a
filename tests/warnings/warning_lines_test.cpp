// Warning lines in both languages: the line test with no code buffer (the
// line only read), with a buffer of its own and with the line itself (the
// line cut behind the code, the buffer bounded), switching the named
// warning on and off, and the disabled test.
#include "warning_support.h"

static const char ENGLISH_LINE[] = "Warning W8057 a.c 12: Parameter 'x' is never used in function f";
static const char JAPANESE_LINE[] = JAPANESE_WARNING " W8057 a.c 12: x";

TEST_F(WarningTable, KeywordTest) {
  static const struct {
    int language;
    const char *line;
    int after; // offset behind the keyword, -1: not a warning line
    const char *code, *cutLine;
  } cases[] = {
      {0, ENGLISH_LINE, 7, " W8057", "Warning W8057"}, {0, "Warning W8057", 7, " W8057", "Warning W8057"},
      {0, "Warning\tW8057 a.c", 7, "\tW8057", "Warning\tW8057"}, {1, JAPANESE_LINE, 4, " W8057", JAPANESE_WARNING " W8057"},
      {0, "Error E2209 a.c 1: Unable to open", -1, 0, 0}, {0, " Warning W8057", -1, 0, 0}, {0, "Warn", -1, 0, 0},
      {0, JAPANESE_LINE, -1, 0, 0}, {1, ENGLISH_LINE, -1, 0, 0}, {1, "\x8c\x78", -1, 0, 0},
  };
  auto test = WarningProc<KeikokuTest>("IsKeikokuMessage");
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.line) + " in language " + std::to_string(c.language));
    HostSetLanguage(c.language);
    char *line = GuardedReadOnlyText(c.line);
    char *result = test(line, 0);
    EXPECT_EQ(result ? result - line : -1, c.after);
    FreeGuarded(line);
    if (c.after < 0) continue;
    line = GuardedText(c.line);
    char code[520];
    EXPECT_EQ(test(line, code), code);
    EXPECT_STREQ(code, c.code);
    EXPECT_STREQ(line, c.cutLine);
    strcpy(line, c.line);
    EXPECT_EQ(test(line, line), line + c.after); // the line as its own buffer
    EXPECT_STREQ(line, c.cutLine);
    FreeGuarded(line);
  }
  EXPECT_EQ(test(0, 0), nullptr);
}

// A code without a blank after it runs to the line's end: at most 519 bytes
// reach the buffer, cut on a whole character.
TEST_F(WarningTable, KeywordTestBoundsTheCode) {
  static const struct {
    const char *start, *unit;
    size_t length;
  } cases[] = {{"Warning ", "x", 519}, {"Warning W", "\x88\x9f", 518}};
  for (const auto &c : cases) {
    std::string text = c.start;
    while (text.size() < 8 + 600) text += c.unit;
    char *line = GuardedText(text.c_str());
    char buffer[1024];
    memset(buffer, 'Q', sizeof buffer);
    EXPECT_EQ(WarningProc<KeikokuTest>("IsKeikokuMessage")(line, buffer), buffer);
    EXPECT_EQ(std::string(buffer), text.substr(7, c.length));
    EXPECT_EQ(std::string(buffer + 520, 504), std::string(504, 'Q')) << "written past 520 bytes";
    FreeGuarded(line);
  }
}

TEST_F(WarningTable, SwitchFromALine) {
  static const struct {
    int language;
    const char *line;
    int state, selector;
    const char *result; // null: refused
    int code, stateAfter;
  } cases[] = {
      {0, ENGLISH_LINE, 0, 0, "-w-8057", 8057, 0},      {0, ENGLISH_LINE, 5, 0, "-w8057", 8057, 1},
      {0, ENGLISH_LINE, 0, 0, "-w-8057", 8057, 0},      {0, ENGLISH_LINE, -1, 0, 0, 8057, 0},
      {0, "Error E2209 a.c 1: W8057", 1, 0, 0, 8057, 0}, {0, " Warning W8057 a.c 1: x", 1, 0, 0, 8057, 0},
      {0, "Warning W9999 a.c 1: x", 0, 0, 0, 8057, 0},   // no such row
      {0, ENGLISH_LINE, 1, 1, 0, 8057, 0},              // the Japanese key is not in it
      {0, "Warning W8097 a.c 1: x", 0, 0, "-w-8097", 8097, 0},
      {1, ENGLISH_LINE, 1, 0, 0, 8057, 0},              // an English line under Japanese
      {1, JAPANESE_LINE, 1, 0, 0, 8057, 0},             // the English key is not in it
      {1, JAPANESE_LINE, 1, 1, "-w8057", 8057, 1},      {1, JAPANESE_LINE, 0, 1, "-w-8057", 8057, 0},
  };
  auto doSwitch = WarningProc<LineSwitcher>("DoWarningSwitch");
  auto disabled = WarningProc<LineTest>("IsWarningSwitchDisabled");
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.line) + " state " + std::to_string(c.state) + " selector " +
                 std::to_string(c.selector) + " language " + std::to_string(c.language));
    HostSetLanguage(c.language);
    char *line = GuardedReadOnlyText(c.line);
    const char *result = doSwitch(line, c.state, c.selector);
    EXPECT_STREQ(result ? result : "(null)", c.result ? c.result : "(null)");
    EXPECT_EQ(StateOf(c.code), c.stateAfter);
    bool found = c.result || c.state < 0;
    EXPECT_EQ(disabled(line, c.selector), found && c.stateAfter == 0);
    FreeGuarded(line);
  }
  EXPECT_EQ(doSwitch(0, 0, 0), nullptr);
  EXPECT_EQ(disabled(0, 0), 0);
}
