// Reading the export lists ("Name count kinds...") and planning the calls.
#include "sweep/sweep.h"
#include "host/host.h"
#include <algorithm>
#include <sstream>
#include <stdlib.h>

static const char *const kKindWords[] = {"int",    "text",   "pos",      "posptr", "edit", "buffer", "size",
                                         "out",    "window", "callback", "record", "argv", "handle"};

static bool ParseKind(const std::string &word, Kind *kind) {
  size_t colon = word.find(':');
  std::string base = word.substr(0, colon), size = colon == std::string::npos ? "" : word.substr(colon + 1);
  kind->grows = !size.empty() && size[0] == '+';
  kind->bytes = atoi(size.c_str() + (kind->grows ? 1 : 0));
  const char *const *known = std::find(std::begin(kKindWords), std::end(kKindWords), base);
  if (known == std::end(kKindWords)) return false;
  kind->kind = (KindClass)(known - kKindWords);
  bool sized = kind->kind == KIND_EDIT || kind->kind == KIND_BUFFER || kind->kind == KIND_RECORD;
  return size.empty() || (sized && kind->bytes > 0 && (!kind->grows || kind->kind == KIND_EDIT));
}

// A position needs a text before it, a size the unsized buffer right before
// it, and an unsized buffer its size.
static std::string PairingError(const std::vector<Kind> &kinds) {
  bool textBefore = false;
  for (size_t i = 0; i < kinds.size(); i++) {
    const Kind &kind = kinds[i];
    bool unsizedBuffer = kind.kind == KIND_BUFFER && !kind.bytes;
    if ((kind.kind == KIND_POS || kind.kind == KIND_POSPTR) && !textBefore) return "a position without a text";
    if (unsizedBuffer != (i + 1 < kinds.size() && kinds[i + 1].kind == KIND_SIZE)) return "a buffer without a size";
    if (kind.kind == KIND_SIZE && (i == 0 || kinds[i - 1].kind != KIND_BUFFER || kinds[i - 1].bytes))
      return "a size without a buffer";
    textBefore |= kind.kind == KIND_TEXT || kind.kind == KIND_EDIT;
  }
  return "";
}

static std::vector<std::string> ListFiles() {
  std::vector<std::string> files;
  std::string folder = std::string(ORVEX_EXPORTS_DIR) + "/";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do files.push_back(folder + found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<SweptExport> ReadSweptExports(std::vector<std::string> *errors) {
  std::vector<SweptExport> exports;
  for (const std::string &file : ListFiles())
    for (const std::string &line : ReadLines(file)) {
      std::istringstream words(line);
      SweptExport swept;
      size_t count;
      if (!(words >> swept.name) || swept.name[0] == '#' || !(words >> count)) continue;
      std::string problem;
      for (std::string word; words >> word;) {
        Kind kind;
        if (!ParseKind(word, &kind)) problem = "unknown kind " + word;
        swept.kinds.push_back(kind);
      }
      if (problem.empty() && swept.kinds.size() != count) problem = "the count differs from the kinds";
      if (problem.empty() && count > kMostArguments) problem = "more arguments than the sweep passes";
      if (problem.empty()) problem = PairingError(swept.kinds);
      if (problem.empty()) exports.push_back(swept);
      else errors->push_back(swept.name + ": " + problem);
    }
  return exports;
}

std::vector<PlannedCall> PlanCalls(const std::vector<SweptExport> &exports) {
  std::vector<PlannedCall> calls;
  for (size_t e = 0; e < exports.size(); e++)
    for (int language = 0; language < 2; language++) {
      calls.push_back({(int)e, -1, 0, language});
      for (size_t a = 0; a < exports[e].kinds.size(); a++)
        for (int v = 0; v < HostileValueCount(exports[e].kinds[a].kind); v++)
          calls.push_back({(int)e, (int)a, v, language});
    }
  return calls;
}

std::string DescribeCall(const std::vector<SweptExport> &exports, const PlannedCall &call) {
  const SweptExport &swept = exports[call.exportIndex];
  std::string varied = call.argument < 0 ? "benign"
                                         : "argument " + std::to_string(call.argument + 1) + ": " +
                                               HostileValueName(swept.kinds[call.argument].kind, call.value);
  return swept.name + "(" + varied + ")" + (call.language ? " in Japanese" : "");
}
