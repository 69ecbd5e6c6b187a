// Reading the export lists ("Name count kinds...") and planning the sweep's
// calls from them.
#include "sweep/sweep_plan.h"
#include "sweep/sweep_values.h"
#include "host/host.h"
#include <algorithm>
#include <sstream>
#include <stdlib.h>

static const struct {
  const char *word;
  KindClass kind;
  bool sized; // takes ":N"
} kKindWords[] = {
    {"int", KIND_INT, false},           {"text", KIND_TEXT, false},     {"pos", KIND_POS, false},
    {"posptr", KIND_POSPTR, false},     {"edit", KIND_EDIT, true},      {"buffer", KIND_BUFFER, true},
    {"size", KIND_SIZE, false},         {"out", KIND_OUT, false},       {"window", KIND_WINDOW, false},
    {"callback", KIND_CALLBACK, false}, {"record", KIND_RECORD, true},  {"argv", KIND_ARGV, false},
    {"handle", KIND_HANDLE, false},
};

static bool ParseKind(const std::string &word, Kind *kind) {
  size_t colon = word.find(':');
  std::string base = word.substr(0, colon), size = colon == std::string::npos ? "" : word.substr(colon + 1);
  kind->grows = !size.empty() && size[0] == '+';
  kind->bytes = atoi(size.c_str() + (kind->grows ? 1 : 0));
  for (const auto &known : kKindWords) {
    if (base != known.word) continue;
    kind->kind = known.kind;
    if (colon == std::string::npos) return true;
    return known.sized && kind->bytes > 0 && (!kind->grows || known.kind == KIND_EDIT);
  }
  return false;
}

static bool IsTextKind(KindClass kind) { return kind == KIND_TEXT || kind == KIND_EDIT; }

// What a pos, a size or an unsized buffer leans on is there.
static std::string PairingError(const std::vector<Kind> &kinds) {
  for (size_t i = 0; i < kinds.size(); i++) {
    KindClass kind = kinds[i].kind;
    bool textBefore = false, unsizedBufferBefore = i > 0 && kinds[i - 1].kind == KIND_BUFFER && !kinds[i - 1].bytes;
    for (size_t j = 0; j < i; j++) textBefore |= IsTextKind(kinds[j].kind);
    if ((kind == KIND_POS || kind == KIND_POSPTR) && !textBefore) return "a position without a text before it";
    if (kind == KIND_SIZE && !unsizedBufferBefore) return "a size not right after a buffer";
    if (kind == KIND_BUFFER && !kinds[i].bytes && (i + 1 == kinds.size() || kinds[i + 1].kind != KIND_SIZE))
      return "a buffer with neither :N nor a size after it";
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
  std::string language = call.language ? " in Japanese" : "";
  if (call.argument < 0) return swept.name + "(benign)" + language;
  return swept.name + "(argument " + std::to_string(call.argument + 1) + ": " +
         HostileValueName(swept.kinds[call.argument].kind, call.value) + ")" + language;
}
