// The compiler message keywords as the host reads them: the five getters and
// the two keyword lists, every entry in both languages, and the answers to
// languages and indices outside the tables.
#include "host/host.h"
#include "host/text_checks.h"
#include <gtest/gtest.h>
#include <limits.h>
#include <string>
#include <vector>

typedef const char *(__stdcall *KeywordGetter)(int language);
typedef const char *(__stdcall *KeywordList)(const char *text, int index, int language);

// Shift-JIS bytes of the Japanese keywords.
#define JA_ERROR "\x83\x47\x83\x89\x81\x5b"   // エラー
#define JA_ERROR_HALF "\xb4\xd7\xb0"          // ｴﾗｰ (half-width)
#define JA_WARNING "\x8c\x78\x8d\x90"         // 警告
#define JA_CAUTION "\x92\x8d\x88\xd3"         // 注意
#define JA_FATAL "\x92\x76\x96\xbd\x93\x49"   // 致命的

// How an entry reads in the expected tables: the caller's own text (the
// same pointer) and null are marked, a keyword is its bytes.
static const char kText[] = "(caller's text)";
static const char kNull[] = "(null)";

static std::string Entry(const char *result, const char *callersText) {
  if (!result) return kNull;
  if (result == callersText && callersText) return kText;
  return result;
}

static const int kBadLanguages[] = {-1, 2, 0x100, INT_MIN, INT_MAX};

TEST(MessageKeywords, GettersInBothLanguages) {
  static const struct {
    const char *getter, *english, *japanese;
  } cases[] = {
      {"GetKeyWordCaution", "Caution", JA_CAUTION}, {"GetKeyWordError", "Error", JA_ERROR},
      {"GetKeyWordErrorLower", "Error", JA_ERROR_HALF}, {"GetKeyWordFatal", "Fatal", JA_FATAL},
      {"GetKeyWordWarning", "Warning", JA_WARNING},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.getter);
    auto get = NeedHostProc<KeywordGetter>(c.getter);
    EXPECT_STREQ(get(0), c.english);
    EXPECT_STREQ(get(1), c.japanese);
    for (int language : kBadLanguages) EXPECT_EQ(get(language), nullptr) << "language " << language;
  }
}

// Both lists, walked as the host walks them: index upward until null.
TEST(MessageKeywords, ListsInBothLanguages) {
  static const struct {
    const char *list;
    int language;
    std::vector<std::string> entries;
  } cases[] = {
      {"GetCompilerErrorMessage", 0, {"Error", "Warning", "Caution", "Fatal", kText, kNull}},
      {"GetCompilerErrorMessage", 1, {JA_ERROR, JA_WARNING, JA_CAUTION, JA_FATAL, kText, kNull}},
      {"GetKeikokuMessage", 0, {kText, "Error", "Warning", "Caution", "Fatal", kNull, kNull}},
      {"GetKeikokuMessage", 1, {kText, JA_ERROR, JA_ERROR_HALF, JA_WARNING, JA_CAUTION, JA_FATAL, kNull}},
  };
  char *text = GuardedReadOnlyText("E2209 a.c 1: Unable to open include file");
  for (const auto &c : cases) {
    auto get = NeedHostProc<KeywordList>(c.list);
    std::vector<std::string> entries;
    for (int index = 0; index < (int)c.entries.size(); index++) entries.push_back(Entry(get(text, index, c.language), text));
    ExpectSameSequence(c.entries, entries, (std::string(c.list) + " in language " + std::to_string(c.language)).c_str());
  }
  FreeGuarded(text);
}

// The caller's text is handed back as it is, null included, and never read.
TEST(MessageKeywords, CallersTextIsHandedBackUnread) {
  auto error = NeedHostProc<KeywordList>("GetCompilerErrorMessage");
  auto keikoku = NeedHostProc<KeywordList>("GetKeikokuMessage");
  const char *unreadable = reinterpret_cast<const char *>(16);
  for (int language = 0; language <= 1; language++) {
    EXPECT_EQ(error(unreadable, 4, language), unreadable);
    EXPECT_EQ(keikoku(unreadable, 0, language), unreadable);
    EXPECT_EQ(error(0, 4, language), nullptr);
    EXPECT_EQ(keikoku(0, 0, language), nullptr);
    EXPECT_STREQ(error(0, 0, language), language ? JA_ERROR : "Error");
  }
}

TEST(MessageKeywords, ListsRefuseIndicesAndLanguagesOutside) {
  static const struct {
    const char *list;
    int length;
  } lists[] = {{"GetCompilerErrorMessage", 6}, {"GetKeikokuMessage", 7}};
  const char text[] = "text";
  for (const auto &l : lists) {
    SCOPED_TRACE(l.list);
    auto get = NeedHostProc<KeywordList>(l.list);
    for (int language = 0; language <= 1; language++)
      for (int index : {-1, l.length, l.length + 1, 100, INT_MIN, INT_MAX})
        EXPECT_EQ(get(text, index, language), nullptr) << "index " << index << ", language " << language;
    for (int language : kBadLanguages)
      for (int index = 0; index < l.length; index++)
        EXPECT_EQ(get(text, index, language), nullptr) << "index " << index << ", language " << language;
  }
}
