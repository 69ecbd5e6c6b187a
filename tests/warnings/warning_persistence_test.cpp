// Warning states kept by the host between runs: handed out by name, taken
// back by name in any letter case and after a language change, read out of a
// text of switches, and the snapshot of all states.
#include "warning_support.h"

// "NAME=state" of every row that differs from its default, in table order.
static std::vector<std::string> ChangedStates() {
  std::vector<std::string> changed;
  auto names = WarningProc<NameAtIndex>("FindWarningAtStarting");
  for (int i = 0; names(i, 0); i++) {
    int state = 0;
    const char *name = names(i, &state);
    if (*name) changed.push_back(std::string(name) + "=" + std::to_string(state));
  }
  return changed;
}

TEST_F(WarningTable, StatesSurviveAReloadAndALanguageChange) {
  WarningProc<LineSwitcher>("DoWarningSwitch")("Warning W8057 a.c 1: x", 0, 0);
  WarningProc<LineSwitcher>("DoWarningSwitch")("Warning W8000 a.c 2: y", 1, 0);
  WarningProc<NameSaver>("SaveWarningAtStarting")("W8097", 7);
  std::vector<std::string> saved = ChangedStates();
  ExpectSameSequence({"W8000=1", "W8057=0", "W8097=7"}, saved, "changed states");
  std::string switches = ChangedSwitches();
  EXPECT_EQ(switches, "-w8000 -w-8057 -w8097 ");

  Reload();
  EXPECT_EQ(ChangedSwitches(), "");
  HostSetLanguage(1);
  for (std::string pair : saved) {
    size_t equals = pair.find('=');
    int state = std::stoi(pair.substr(equals + 1));
    pair[0] = 'w'; // another letter case
    EXPECT_EQ(WarningProc<NameSaver>("SaveWarningAtStarting")(pair.substr(0, equals).c_str(), state), 1) << pair;
  }
  EXPECT_EQ(ChangedSwitches(), switches);
  ExpectSameSequence(saved, ChangedStates(), "names under language 1");
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
  ExpectSameSequence({"W8000=-1", "W8057=7"}, ChangedStates(), "states saved by name");
}

TEST_F(WarningTable, StateReadFromSwitches) {
  static const struct {
    int language;
    const char *text, *name;
    int result, stateAfter; // W8057's state after the call, from 1
  } cases[] = {
      {0, "-w-8057", "w8057", 0, 1},          // the name's case counts here
      {0, "-w-8057", "W8057", 1, 0},         {0, "bcc32 -c -w-8057 a.c", "W8057", 1, 0},
      {0, "-w8057 -w-8057", "W8057", 1, 1},  // the enable switch is tried first
      {0, "-w-8057 -w8057", "W8057", 1, 1},  {0, "W8057 off", "W8057", 0, 1},
      {0, "-w-8000", "W8057", 0, 1},         {0, "-w-8057", "W8088", 0, 1},
      {1, "-w-8057", "W8057", 1, 0},         // names are codes in both languages
  };
  auto read = WarningProc<StringSaver>("FindAndSaveWarningInString");
  for (const auto &c : cases) {
    WarningProc<NameSaver>("SaveWarningAtStarting")("W8057", 1);
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
  save("W8057", 0);
  WarningProc<Snapshot>("GetWarningSwitchSaved")();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");
  WarningProc<Snapshot>("SetWarningSwitchSaved")();
  save("W8057", 1);
  save("W8001", 1);
  save("W8097", 5);
  EXPECT_EQ(ChangedSwitches(), "-w8001 -w8097 ");
  WarningProc<Snapshot>("GetWarningSwitchSaved")();
  EXPECT_EQ(ChangedSwitches(), "-w-8057 ");
  EXPECT_EQ(StateOf(8097), 1);
}
