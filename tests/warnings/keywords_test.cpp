// The compiler message keywords: the two keyword lists in both languages
// (the five getters read the same table).
#include "host/host.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

#define JA_ERROR "\x83\x47\x83\x89\x81\x5b"   // エラー
#define JA_ERROR_HALF "\xb4\xd7\xb0"          // ｴﾗｰ
#define JA_WARNING "\x8c\x78\x8d\x90"         // 警告
#define JA_CAUTION "\x92\x8d\x88\xd3"         // 注意
#define JA_FATAL "\x92\x76\x96\xbd\x93\x49"   // 致命的

// The caller's text (the same pointer) and null as entries of the lists.
static const char kText[] = "(caller's text)";
static const char kNull[] = "(null)";

// Both lists walked as the host walks them, index upward until null; the
// caller's text is handed back unread.
TEST(MessageKeywords, ListsInBothLanguages) {
  static const struct { const char *list; int language; std::vector<std::string> entries; } cases[] = {
      {"GetCompilerErrorMessage", 0, {"Error", "Warning", "Caution", "Fatal", kText, kNull}},
      {"GetCompilerErrorMessage", 1, {JA_ERROR, JA_WARNING, JA_CAUTION, JA_FATAL, kText, kNull}},
      {"GetKeikokuMessage", 0, {kText, "Error", "Warning", "Caution", "Fatal", kNull, kNull}},
      {"GetKeikokuMessage", 1, {kText, JA_ERROR, JA_ERROR_HALF, JA_WARNING, JA_CAUTION, JA_FATAL, kNull}},
  };
  const char *unreadable = reinterpret_cast<const char *>(16);
  for (const auto &c : cases) {
    auto get = HostProc<const char *(__stdcall *)(const char *text, int index, int language)>(c.list);
    std::vector<std::string> entries;
    for (int index = 0; index < (int)c.entries.size(); index++) {
      const char *entry = get(unreadable, index, c.language);
      entries.push_back(!entry ? kNull : entry == unreadable ? kText : entry);
    }
    std::string name = std::string(c.list) + " " + std::to_string(c.language);
    ExpectSameSequence(c.entries, entries, name.c_str());
  }
}
