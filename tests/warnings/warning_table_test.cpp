// The warning table on a fresh copy of the library per test, in English: the
// rows walked by index, warning lines tested and switched, and the states the
// host keeps between runs (by name, from switches, the snapshot).
#include "host/files.h"
#include "host/host.h"
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

typedef int(__stdcall *SwitchReader)(int index, char *key, const char **description, int selector, int onlyChanged);
typedef const char *(__stdcall *SwitchString)(int index, int onlyChanged);
typedef const char *(__stdcall *NameAtIndex)(int index, int *state);
typedef int(__stdcall *NameSaver)(const char *name, int state);
typedef int(__stdcall *StringSaver)(const char *text, const char *name);
typedef const char *(__stdcall *LineSwitcher)(const char *line, int state, int selector);
typedef int(__stdcall *LineTest)(const char *line, int selector);
typedef void(__stdcall *Snapshot)(void);

#define JAPANESE_WARNING "\x8c\x78\x8d\x90" // 警告
static const char ENGLISH_LINE[] = "Warning W8057 a.c 12: Parameter 'x' is never used in function f";
static const char JAPANESE_LINE[] = JAPANESE_WARNING " W8057 a.c 12: x";
static const int OFF_BY_DEFAULT[] = {8000, 8001, 8003, 8005, 8009, 8013, 8036, 8045, 8061, 8071,
                                     8073, 8074, 8079, 8080, 8084, 8087, 8089, 8090, 8091, 8092};

// The fresh copy the running test works on (test thread only).
static HMODULE g_library = 0;

template <class F> F Proc(const char *name) { return ProcOf<F>(g_library, name); }

// Row index of a warning code: ascending from W8000, W8088 missing.
static int RowOf(int code) { return code - 8000 - (code > 8088 ? 1 : 0); }

static int StateOf(int code) {
  char key[32];
  const char *description;
  return Proc<SwitchReader>("GetWarningSwitch")(RowOf(code), key, &description, 0, 0);
}

static int Save(const char *name, int state) { return Proc<NameSaver>("SaveWarningAtStarting")(name, state); }

// The command-line switches of the rows that differ from their defaults.
static std::string ChangedSwitches() {
  std::string line;
  auto get = Proc<SwitchString>("GetWarningSwitchString");
  for (int i = 0; get(i, 1); i++)
    if (*get(i, 1)) line += std::string(get(i, 1)) + " ";
  return line;
}

// "NAME=state" of every row that differs from its default, in table order.
static std::vector<std::string> ChangedStates() {
  std::vector<std::string> changed;
  auto names = Proc<NameAtIndex>("FindWarningAtStarting");
  for (int i = 0, state = 0; names(i, 0); i++)
    if (*names(i, &state)) changed.push_back(std::string(names(i, &state)) + "=" + std::to_string(state));
  return changed;
}

// A new copy: every state back at its load value, in English.
static void Reload() {
  if (g_library) FreeFreshLibrary(g_library);
  g_library = LoadFreshLibrary();
  ASSERT_NE(g_library, nullptr);
  HostSetLanguage(0);
}

struct WarningTable : ::testing::Test {
  void SetUp() override { Reload(); }
  void TearDown() override { FreeFreshLibrary(g_library), g_library = 0, HostSetLanguage(0); }
};

// 97 rows W8000 to W8097 without W8088, 20 off by default.
TEST_F(WarningTable, WalkAtLoad) {
  auto get = Proc<SwitchReader>("GetWarningSwitch");
  auto names = Proc<NameAtIndex>("FindWarningAtStarting");
  std::vector<std::string> expected, walked;
  for (int code = 8000; code <= 8097; code++) {
    bool off = std::count(std::begin(OFF_BY_DEFAULT), std::end(OFF_BY_DEFAULT), code);
    if (code != 8088) expected.push_back("W" + std::to_string(code) + (off ? " -w-" : " -w") + std::to_string(code));
  }
  char key[32];
  const char *description;
  for (int i = 0; get(i, key, &description, 0, 0) != -1 || description; i++) {
    walked.push_back(std::string(key + 8) + " " + Proc<SwitchString>("GetWarningSwitchString")(i, 0));
    int state = 12345;
    EXPECT_STREQ(names(i, &state), "") << i;
    EXPECT_EQ(state, 12345) << "state written for a row at its default, " << i;
  }
  ExpectSameSequence(expected, walked, "codes and switches at load");
}

// Keys and descriptions byte for byte; with onlyChanged 1 a row at its
// default answers -1 but still delivers them, a changed row its state.
TEST_F(WarningTable, RowsByteForByte) {
  static const struct { int code, selector, onlyChanged, result; const char *key, *description; } rows[] = {
      {8086, 0, 0, 1, "Warning W8086", "(*)Incorrect use of #pragma alias \"aliasName\" = \"substitutename\""},
      {8089, 1, 0, 0, JAPANESE_WARNING " W8089", ""},
      {8057, 0, 1, -1, "Warning W8057", "(*)Parameter 'parameter' is never used"},
      {8057, 0, 2, 1, "Warning W8057", "(*)Parameter 'parameter' is never used"}, // other modes report all
  };
  char key[14]; // the longest key and its NUL
  const char *description = 0;
  for (const auto &row : rows) {
    EXPECT_EQ(Proc<SwitchReader>("GetWarningSwitch")(RowOf(row.code), key, &description, row.selector,
                                                     row.onlyChanged), row.result) << row.code;
    EXPECT_STREQ(key, row.key);
    EXPECT_STREQ(description, row.description) << row.code;
  }
  Save("W8057", 0);
  EXPECT_EQ(Proc<SwitchReader>("GetWarningSwitch")(RowOf(8057), key, &description, 0, 1), 0);
}

// The line test with no buffer (the line only read), a buffer of its own and
// the line itself as buffer (cut behind the code).
TEST_F(WarningTable, KeywordTest) {
  static const struct {
    int language;
    const char *line;
    int after; // offset behind the keyword, -1: not a warning line
    const char *code, *cutLine;
  } cases[] = {
      {0, "Warning\tW8057 a.c", 7, "\tW8057", "Warning\tW8057"}, {0, " Warning W8057", -1, 0, 0},
      {1, JAPANESE_LINE, 4, " W8057", JAPANESE_WARNING " W8057"}, {1, ENGLISH_LINE, -1, 0, 0},
      {1, "\x8c\x78", -1, 0, 0},
  };
  auto test = Proc<char *(__stdcall *)(char *line, char *codeBuffer)>("IsKeikokuMessage");
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
    EXPECT_EQ(test(line, line), line + c.after);
    EXPECT_STREQ(line, c.cutLine);
    FreeGuarded(line);
  }
  // A code without a blank after it runs to the line's end: at most 519
  // bytes reach the buffer, cut on a whole character.
  HostSetLanguage(0);
  std::string text = "Warning W";
  while (text.size() < 600) text += "\x88\x9f";
  char buffer[520];
  EXPECT_EQ(test(&text[0], buffer), buffer);
  EXPECT_EQ(std::string(buffer), text.substr(7, 518));
}

// A line switches the warning its key names. The key that opens a warning
// line names its warning, not a key quoted in the message text; a key that
// runs on into other text opens nothing.
TEST_F(WarningTable, SwitchFromALine) {
  static const struct {
    int language;
    const char *line;
    int state, selector;
    const char *result;   // null: refused
    int code, stateAfter; // the state of W<code> after the call; W8057 is 1 before it
  } cases[] = {
      {0, ENGLISH_LINE, 0, 0, "-w-8057", 8057, 0}, {0, ENGLISH_LINE, 5, 0, "-w8057", 8057, 1},
      {0, ENGLISH_LINE, -1, 0, 0, 8057, 1},        {0, "Error E2209 a.c 1: W8057", 0, 0, 0, 8057, 1},
      {0, "Warning W9999 a.c 1: x", 0, 0, 0, 8057, 1}, {0, ENGLISH_LINE, 0, 1, 0, 8057, 1},
      {1, JAPANESE_LINE, 0, 0, 0, 8057, 1},        {1, JAPANESE_LINE, 0, 1, "-w-8057", 8057, 0},
      {0, "Warning W8080 x.c 1: 'Warning W8000' declared but never used", 0, 0, "-w-8080", 8080, 0},
      {1, JAPANESE_WARNING " W8080\tx.c 1: '" JAPANESE_WARNING " W8000'", 0, 1, "-w-8080", 8080, 0},
      {0, "Warning W80801 'Warning W8000'", 0, 0, "-w-8000", 8000, 0},
  };
  auto doSwitch = Proc<LineSwitcher>("DoWarningSwitch");
  auto disabled = Proc<LineTest>("IsWarningSwitchDisabled");
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.line) + " " + std::to_string(c.state) + " " + std::to_string(c.selector));
    Save("W8057", 1);
    HostSetLanguage(c.language);
    char *line = GuardedReadOnlyText(c.line);
    const char *result = doSwitch(line, c.state, c.selector);
    EXPECT_STREQ(result ? result : "(null)", c.result ? c.result : "(null)");
    EXPECT_EQ(StateOf(c.code), c.stateAfter);
    EXPECT_EQ(disabled(line, c.selector), c.result && c.stateAfter == 0);
    FreeGuarded(line);
  }
}

TEST_F(WarningTable, StatesSurviveAReloadAndALanguageChange) {
  Proc<LineSwitcher>("DoWarningSwitch")("Warning W8057 a.c 1: x", 0, 0);
  Save("W8000", 1);
  Save("W8097", 7);
  std::vector<std::string> saved = ChangedStates();
  ExpectSameSequence({"W8000=1", "W8057=0", "W8097=7"}, saved, "changed states");
  EXPECT_EQ(ChangedSwitches(), "-w8000 -w-8057 -w8097 ");
  Reload();
  EXPECT_EQ(ChangedSwitches(), "");
  HostSetLanguage(1);
  for (std::string pair : saved) {
    size_t equals = pair.find('=');
    pair[0] = 'w'; // another letter case
    EXPECT_EQ(Save(pair.substr(0, equals).c_str(), std::stoi(pair.substr(equals + 1))), 1) << pair;
  }
  ExpectSameSequence(saved, ChangedStates(), "names under language 1");
  for (const char *name : {"W8088", "Warning W8057", "", "W805"}) EXPECT_EQ(Save(name, 0), 0) << name;
  ExpectSameSequence(saved, ChangedStates(), "after names refused");
}

TEST_F(WarningTable, StateReadFromSwitches) {
  static const struct {
    int language;
    const char *text, *name;
    int result, stateAfter; // W8057's state after the call, from 1
  } cases[] = {
      {0, "-w-8057", "w8057", 0, 1},                                        // the name's case counts here
      {0, "bcc32 -c -w-8057 a.c", "W8057", 1, 0}, {0, "-w8057 -w-8057", "W8057", 1, 1}, // enable tried first
      {0, "-w-8000", "W8057", 0, 1},              {1, "-w-8057", "W8057", 1, 0},        // codes in both languages
  };
  auto read = Proc<StringSaver>("FindAndSaveWarningInString");
  for (const auto &c : cases) {
    Save("W8057", 1);
    HostSetLanguage(c.language);
    EXPECT_EQ(read(c.text, c.name), c.result) << c.text << " " << c.name;
    EXPECT_EQ(StateOf(8057), c.stateAfter) << c.text << " " << c.name;
  }
}

// Restoring before any snapshot changes nothing; afterwards it brings back
// every state of the snapshot.
TEST_F(WarningTable, Snapshot) {
  Save("W8057", 0);
  Proc<Snapshot>("GetWarningSwitchSaved")();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");
  Proc<Snapshot>("SetWarningSwitchSaved")();
  Save("W8057", 1);
  Save("W8097", 5);
  Proc<Snapshot>("GetWarningSwitchSaved")();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");
  EXPECT_EQ(StateOf(8097), 1);
}

// States saved under an earlier table's language-1 names ("ng W8057") are
// taken back in either language.
TEST_F(WarningTable, EarlierJapaneseNamesAreTaken) {
  for (int language : {1, 0}) {
    HostSetLanguage(language);
    EXPECT_EQ(Save("ng W8057", 0), 1) << language;
    EXPECT_EQ(StateOf(8057), 0) << language;
    EXPECT_EQ(Proc<StringSaver>("FindAndSaveWarningInString")("-w8057", "ng W8057"), 1) << language;
    EXPECT_EQ(StateOf(8057), 1) << language;
  }
}
