// Reads the stand-in's journal through its Kit... exports.
#include "host/journal.h"
#include "host/host.h"

std::vector<std::string> JournalLines() {
  auto count = KitProc<int(__stdcall *)()>("KitJournalCount");
  auto line = KitProc<int(__stdcall *)(int, char *, int)>("KitJournalLine");
  std::vector<std::string> lines;
  for (int i = 0, n = count(); i < n; i++) {
    char text[2048];
    line(i, text, sizeof text);
    lines.push_back(text);
  }
  return lines;
}

void JournalClear() { KitProc<void(__stdcall *)()>("KitJournalClear")(); }

void SetUrlAnswer(int answer) { KitProc<void(__stdcall *)(int)>("KitSetUrlAnswer")(answer); }

std::string JournalLine(const std::vector<std::string> &fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); i++) line += (i ? "\t" : "") + fields[i];
  return line;
}

std::vector<std::string> JournalFields(const std::string &line) {
  std::vector<std::string> fields;
  size_t at = 0;
  for (size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) fields.push_back(line.substr(at, tab - at));
  fields.push_back(line.substr(at));
  return fields;
}
