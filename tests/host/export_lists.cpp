// Reading the export lists; see export_lists.h.
#include "host/export_lists.h"
#include "host/host.h"
#include <algorithm>
#include <sstream>

std::vector<ListedExport> ListedExports(const std::string &pattern) {
  std::string folder = pattern.substr(0, pattern.find_last_of("\\/") + 1);
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
    files.push_back(folder + found.cFileName);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  std::sort(files.begin(), files.end());
  std::vector<ListedExport> listed;
  for (const std::string &file : files)
    for (const std::string &line : ReadLines(file)) {
      std::istringstream words(line);
      ListedExport entry;
      if (!(words >> entry.name) || entry.name[0] == '#' || !(words >> entry.count)) continue;
      for (std::string kind; words >> kind;) entry.kinds.push_back(kind);
      listed.push_back(entry);
    }
  return listed;
}
