// Warning states kept by the host between runs: handed out by name, taken
// back by name in any letter case and after a language change, read out of a
// text of switches, and the snapshot of all states.
#include "warning_support.h"

struct NamedState {
  std::string name;
  int state;
};

static std::vector<NamedState> ChangedStates() {
  std::vector<NamedState> changed;
  auto names = WarningProc<NameAtIndex>("FindWarningAtStarting");
  for (int i = 0; names(i, 0); i++) {
    int state = 0;
    const char *name = names(i, &state);
    if (*name) changed.push_back({name, state});
  }
  return changed;
}

static std::string Lowered(std::string text) {
  for (char &c : text) c = (char)tolower((unsigned char)c);
  return text;
}

TEST_F(WarningTable, StatesSurviveAReloadAndALanguageChange) {
  char off[] = "Warning W8057 a.c 1: x", on[] = "Warning W8000 a.c 2: y";
  WarningProc<LineSwitcher>("DoWarningSwitch")(off, 0, 0);
  WarningProc<LineSwitcher>("DoWarningSwitch")(on, 1, 0);
  WarningProc<NameSaver>("SaveWarningAtStarting")("W8097", 7);
  std::vector<NamedState> saved = ChangedStates();
  std::vector<std::string> names;
  for (const NamedState &s : saved) names.push_back(s.name + "=" + std::to_string(s.state));
  ExpectSameSequence({"W8000=1", "W8057=0", "W8097=7"}, names, "changed states");
  std::string switches = ChangedSwitches();
  EXPECT_EQ(switches, "-w8000 -w-8057 -w8097 ");

  Reload();
  EXPECT_EQ(ChangedSwitches(), "");
  HostSetLanguage(1);
  for (const NamedState &s : saved)
    EXPECT_EQ(WarningProc<NameSaver>("SaveWarningAtStarting")(Lowered(s.name).c_str(), s.state), 1) << s.name;
  EXPECT_EQ(ChangedSwitches(), switches);
  std::vector<std::string> japaneseNames;
  for (const NamedState &s : ChangedStates()) japaneseNames.push_back(s.name + "=" + std::to_string(s.state));
  ExpectSameSequence(names, japaneseNames, "names under language 1");
}

TEST_F(WarningTable, SaveByName) {
  static const struct {
    const char *name;
    int state, result;
  } cases[] = {{"w8057", 7, 1}, {"W8000", -1, 1}, {"W8088", 1, 0}, {"ng W8057", 0, 0},
               {"Warning W8057", 0, 0}, {"", 0, 0}, {"W805", 0, 0}};
  auto save = WarningProc<NameSaver>("SaveWarningAtStarting");
  for (const auto &c : cases) EXPECT_EQ(save(c.name, c.state), c.result) << c.name;
  EXPECT_EQ(save(0, 1), 0);
  EXPECT_STREQ(WarningProc<SwitchString>("GetWarningSwitchString")(RowOf(8057), 0), "-w8057");
  int state = 0;
  EXPECT_STREQ(WarningProc<NameAtIndex>("FindWarningAtStarting")(RowOf(8057), &state), "W8057");
  EXPECT_EQ(state, 7);
  EXPECT_EQ(StateOf(8000), -1);
}

TEST_F(WarningTable, StateReadFromSwitches) {
  static const struct {
    int language;
    const char *text, *name;
    int result, stateAfter; // W8057's state after the call
  } cases[] = {
      {0, "-w-8057", "w8057", 0, 1},                  // the name's case counts here
      {0, "-w-8057", "W8057", 1, 0},
      {0, "-w8057 -w-8057", "W8057", 1, 1},           // the enable switch is tried first
      {0, "-w-8057 -w8057", "W8057", 1, 1},
      {0, "bcc32 -c -w-8057 a.c", "W8057", 1, 0},
      {0, "W8057 off", "W8057", 0, 1},                // no "-w" at all
      {0, "-w-8000", "W8057", 0, 1},                  // not this row's switches
      {0, "-w-8057", "W8088", 0, 1},
      {1, "-w-8057", "W8057", 1, 0},                  // names are codes in both languages
  };
  auto read = WarningProc<StringSaver>("FindAndSaveWarningInString");
  auto save = WarningProc<NameSaver>("SaveWarningAtStarting");
  for (const auto &c : cases) {
    HostSetLanguage(0);
    save("W8057", 1);
    HostSetLanguage(c.language);
    EXPECT_EQ(read(c.text, c.name), c.result) << c.text << " " << c.name;
    EXPECT_EQ(StateOf(8057), c.stateAfter) << c.text << " " << c.name;
  }
  EXPECT_EQ(read(0, "W8057"), 0);
  EXPECT_EQ(read("-w-8057", 0), 0);
}

// Restoring before any snapshot changes nothing; afterwards it brings back
// every state of the snapshot.
TEST_F(WarningTable, Snapshot) {
  auto save = WarningProc<NameSaver>("SaveWarningAtStarting");
  auto take = WarningProc<Snapshot>("SetWarningSwitchSaved");
  auto restore = WarningProc<Snapshot>("GetWarningSwitchSaved");
  save("W8057", 0);
  restore();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");

  take();
  save("W8057", 1);
  save("W8001", 1);
  save("W8097", 5);
  EXPECT_EQ(ChangedSwitches(), "-w8001 -w8097 ");
  restore();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");
  EXPECT_EQ(StateOf(8097), 1);
}
