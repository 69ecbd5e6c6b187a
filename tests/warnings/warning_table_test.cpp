// The table walked by index as the host lists it: 97 rows W8000 to W8097
// without W8088, the end at 97 and outside 0 to 97, the 20 warnings off by
// default, descriptions byte for byte, keys in both columns.
#include "warning_support.h"
#include <algorithm>
#include <climits>

static const int OFF_BY_DEFAULT[] = {8000, 8001, 8003, 8005, 8009, 8013, 8036, 8045, 8061, 8071,
                                     8073, 8074, 8079, 8080, 8084, 8087, 8089, 8090, 8091, 8092};

TEST_F(WarningTable, WalkAtLoad) {
  auto get = WarningProc<SwitchReader>("GetWarningSwitch");
  auto names = WarningProc<NameAtIndex>("FindWarningAtStarting");
  auto switches = WarningProc<SwitchString>("GetWarningSwitchString");
  std::vector<std::string> expectedCodes, expectedSwitches, codes, walkedSwitches;
  for (int code = 8000; code <= 8097; code++) {
    if (code == 8088) continue;
    bool off = std::count(std::begin(OFF_BY_DEFAULT), std::end(OFF_BY_DEFAULT), code);
    expectedCodes.push_back("W" + std::to_string(code));
    expectedSwitches.push_back((off ? "-w-" : "-w") + std::to_string(code));
  }
  char key[32];
  const char *description;
  for (int i = 0; get(i, key, &description, 0, 0) != -1 || description; i++) {
    codes.push_back(key + 8);
    walkedSwitches.push_back(switches(i, 0));
    int state = 12345;
    EXPECT_STREQ(names(i, &state), "") << i;
    EXPECT_EQ(state, 12345) << "state written for a row at its default, " << i;
    EXPECT_STREQ(switches(i, 1), "") << i;
  }
  ExpectSameSequence(expectedCodes, codes, "codes walked by GetWarningSwitch");
  ExpectSameSequence(expectedSwitches, walkedSwitches, "switches at load");
}

TEST_F(WarningTable, PastTheEnd) {
  auto get = WarningProc<SwitchReader>("GetWarningSwitch");
  for (int index : {97, 98, -1, 1000, INT_MIN, INT_MAX})
    for (int selector : {0, 1}) {
      char key[32] = "untouched";
      const char *description = "set";
      int state = 12345;
      EXPECT_EQ(get(index, key, &description, selector, selector), -1) << index;
      EXPECT_EQ(description, nullptr) << index;
      EXPECT_STREQ(key, "untouched") << index;
      EXPECT_EQ(WarningProc<SwitchString>("GetWarningSwitchString")(index, selector), nullptr) << index;
      EXPECT_EQ(WarningProc<NameAtIndex>("FindWarningAtStarting")(index, &state), nullptr) << index;
      EXPECT_EQ(state, 12345) << index;
    }
  EXPECT_EQ(get(97, 0, 0, 0, 0), -1);
}

TEST_F(WarningTable, RowsByteForByte) {
  static const struct {
    int code, selector;
    const char *key, *description;
  } rows[] = {
      {8010, 0, "Warning W8010", "(*)Continuation character \\ found in // comment"},
      {8035, 0, "Warning W8035", "(*)"},
      {8086, 0, "Warning W8086", "(*)Incorrect use of #pragma alias \"aliasName\" = \"substitutename\""},
      {8034, 0, "Warning W8034", "(*)Maximum percision used for member pointer type 'type'"},
      {8056, 0, "Warning W8056", "(*)Interger arithmetic overflow"},
      {8000, 0, "Warning W8000", "Ambiguous operators need parentheses"},
      {8057, 1, JAPANESE_WARNING " W8057", ""}, {8089, 1, JAPANESE_WARNING " W8089", ""},
  };
  for (const auto &row : rows) {
    char key[14]; // the longest key and its NUL
    const char *description = 0;
    WarningProc<SwitchReader>("GetWarningSwitch")(RowOf(row.code), key, &description, row.selector, 0);
    EXPECT_STREQ(key, row.key);
    EXPECT_STREQ(description, row.description) << row.code;
  }
}

// With onlyChanged 1 a row at its default answers -1 but still delivers its
// key and description; a changed row answers its state.
TEST_F(WarningTable, OnlyChanged) {
  auto get = WarningProc<SwitchReader>("GetWarningSwitch");
  char key[32];
  const char *description = 0;
  EXPECT_EQ(get(RowOf(8057), key, &description, 0, 1), -1);
  EXPECT_STREQ(key, "Warning W8057");
  EXPECT_STREQ(description, "(*)Parameter 'parameter' is never used");
  EXPECT_EQ(get(RowOf(8057), key, &description, 0, 2), 1); // any other mode reports every row
  WarningProc<NameSaver>("SaveWarningAtStarting")("W8057", 0);
  EXPECT_EQ(get(RowOf(8057), key, &description, 0, 1), 0);
}
