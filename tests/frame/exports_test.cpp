// Every export the host relies on resolves by its exact name, and the module
// definition file and the tests' own list of exports (written from the
// interface; the sweep checks each line's kinds against its count) agree.
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

TEST(Exports, DefFileAndListAgreeAndEveryNameResolves) {
  std::vector<std::string> def = DefNames();
  ASSERT_FALSE(def.empty());
  std::set<std::string> listed, seen;
  for (const ListedExport &entry : ListedExports(ORVEX_EXPORTS_DIR "/*.txt")) listed.insert(entry.name);
  ASSERT_FALSE(listed.empty());
  for (const std::string &name : def) {
    EXPECT_TRUE(seen.insert(name).second) << "listed twice in the def file: " << name;
    EXPECT_TRUE(listed.count(name)) << "exported but not in tests/exports: " << name;
    EXPECT_NE(HostFind(HostLibrary(), name.c_str()), nullptr) << name;
  }
  for (const std::string &name : listed) EXPECT_TRUE(seen.count(name)) << "not in the def file: " << name;
}
