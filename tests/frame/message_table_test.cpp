// The bilingual message table read through GetAppropriateLangauge: every
// record in both languages with the same conversions and line ends (the host
// formats both with the same arguments), Japanese with half-width katakana,
// the language asked anew at every call, and ids outside the table.
#include <gtest/gtest.h>
#include "frame/shift_jis.h"
#include "host/host.h"
#include <climits>

static LPCSTR Text(int id, int language) {
  HostSetLanguage(language);
  LPCSTR text = HostProc<LPCSTR(__stdcall *)(int)>("GetAppropriateLangauge")(id);
  HostSetLanguage(0);
  return text;
}

TEST(MessageTable, LanguageAskedAtEveryCallAndIdsOutside) {
  EXPECT_STREQ(Text(15, 0), "(Untitled)");
  EXPECT_STREQ(Text(15, INT_MAX), "(\x96\xb3\x91\xe8)"); // any non-zero flag gives Japanese
  for (int id : {-1, 111, INT_MAX, INT_MIN}) EXPECT_STREQ(Text(id, 1), "") << id;
}

// The conversions of a text, in order: the host formats the English and the
// Japanese text of a record with the same arguments.
static std::vector<std::string> Conversions(const std::string &text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); i++) {
    if (SjisCharLength(text.c_str() + i) == 2) {
      i++; // a trail byte is never a conversion
    } else if (text[i] == '%' && i + 1 < text.size()) {
      found.push_back(text.substr(i, 2));
      i++;
    }
  }
  return found;
}

// The run of line-end bytes at the start and at the end of a text.
static std::string LineEnds(const std::string &text) {
  size_t head = text.find_first_not_of("\r\n"), tail = text.find_last_not_of("\r\n");
  return head == std::string::npos ? text : text.substr(0, head) + "|" + text.substr(tail + 1);
}

// Full-width katakana (lead byte 0x83, trail 0x40-0x96) in a Shift-JIS text.
static bool HasFullWidthKatakana(const std::string &text) {
  for (size_t i = 0; i + 1 < text.size(); i++) {
    unsigned char c = text[i], t = text[i + 1];
    if (c == 0x83 && t >= 0x40 && t <= 0x96) return true;
    if (SjisCharLength(text.c_str() + i) == 2) i++;
  }
  return false;
}

TEST(MessageTable, EveryRecordHasBothLanguagesOfTheSameShape) {
  for (int id = 0; id <= 110; id++) {
    SCOPED_TRACE(id);
    std::string english = Text(id, 0), japanese = Text(id, 1);
    bool englishEmpty = id == 51 || id == 82 || id == 105;
    EXPECT_EQ(english.empty(), englishEmpty);
    EXPECT_EQ(japanese.empty(), id == 82);
    if (englishEmpty) continue;
    EXPECT_EQ(Conversions(japanese), Conversions(english));
    EXPECT_EQ(LineEnds(japanese), LineEnds(english));
    EXPECT_FALSE(HasFullWidthKatakana(japanese));
  }
}
