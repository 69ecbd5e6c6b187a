// The tests' lists of exports (tests/exports/*.txt), one export a line:
// "Name count kinds...". The export test checks them against the def file,
// the sweep calls what they list, the settings test finds its cells there.
#pragma once
#include <string>
#include <vector>

struct ListedExport {
  std::string name;
  int count;
  std::vector<std::string> kinds;
};

// The lines of the files that `pattern` finds (a folder and "*.txt" or a
// file name), files in name order, comments and blank lines left out.
std::vector<ListedExport> ListedExports(const std::string &pattern);
