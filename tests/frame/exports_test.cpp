// Every export the host relies on resolves by its exact name, and the module
// definition file and the tests' own list of exports (written from the
// interface, with argument counts for the i686 check and one kind per
// argument for the hostile-input sweep) agree.
#include <gtest/gtest.h>
#include "host/host.h"
#include <set>
#include <sstream>

static std::vector<std::string> DefNames() {
  std::vector<std::string> names;
  bool inExports = false;
  for (const std::string &line : ReadLines(ORVEX_DEF_FILE)) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word[0] == ';') continue;
    if (word == "EXPORTS") inExports = true;
    else if (inExports) names.push_back(word);
  }
  return names;
}

static std::set<std::string> ListedNames() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  std::string folder = std::string(ORVEX_EXPORTS_DIR) + "/";
  HANDLE search = FindFirstFileA((folder + "*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    for (const std::string &line : ReadLines(folder + found.cFileName)) {
      std::istringstream words(line);
      std::string name;
      int count, kinds = 0;
      if (!(words >> name) || name[0] == '#' || !(words >> count)) continue;
      names.insert(name);
      for (std::string kind; words >> kind;) kinds++;
      EXPECT_EQ(kinds, count) << "kinds listed for " << name;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

TEST(Exports, DefFileAndListAgreeAndEveryNameResolves) {
  std::vector<std::string> def = DefNames();
  ASSERT_FALSE(def.empty());
  std::set<std::string> listed = ListedNames(), seen;
  ASSERT_FALSE(listed.empty());
  for (const std::string &name : def) {
    EXPECT_TRUE(seen.insert(name).second) << "listed twice in the def file: " << name;
    EXPECT_TRUE(listed.count(name)) << "exported but not in tests/exports: " << name;
    EXPECT_NE(HostFind(HostLibrary(), name.c_str()), nullptr) << name;
  }
  for (const std::string &name : listed) EXPECT_TRUE(seen.count(name)) << "not in the def file: " << name;
}
