// The bilingual message table read through GetAppropriateLangauge: the texts
// the host shows, byte for byte in both languages (Japanese as Shift-JIS,
// katakana half-width), the language asked anew at every call, and ids
// outside the table.
#include <gtest/gtest.h>
#include "host/host.h"
#include <climits>

typedef LPCSTR(__stdcall *GetTextFn)(int);

static LPCSTR Text(int id, int language) {
  HostSetLanguage(language);
  LPCSTR text = HostProc<GetTextFn>("GetAppropriateLangauge")(id);
  HostSetLanguage(0);
  return text;
}

struct Record {
  int id;
  const char *english;
  const char *japanese; // Shift-JIS bytes
};

static const Record kTelling[] = {
    {0, "'Compile' performed...\r\n", "\xba\xdd\xca\xdf\xb2\xd9\x8e\xc0\x8ds\x92\x86...\r\n"},
    {15, "(Untitled)", "(\x96\xb3\x91\xe8)"},
    {23, " (Executed by Orvex)", " (Orvex\x82\xc9\x82\xe6\x82\xe9\x8e\xc0\x8ds)"},
    {110,
     "The same extensions is linked to different folders in the file list. This extension is removed and the "
     "file is sorted into [Other]-folder.\r\n",
     nullptr}, // Japanese wording is ours: the shape test below checks it
};

TEST(MessageTable, TellingRecordsInBothLanguagesAndIdsOutside) {
  for (const Record &record : kTelling) {
    SCOPED_TRACE(record.id);
    EXPECT_STREQ(Text(record.id, 0), record.english);
    if (record.japanese) {
      EXPECT_STREQ(Text(record.id, 1), record.japanese);
    }
  }
  EXPECT_STREQ(Text(15, INT_MAX), "(\x96\xb3\x91\xe8)"); // any non-zero flag gives Japanese
  for (int id : {-1, 111, INT_MAX, INT_MIN}) EXPECT_STREQ(Text(id, 1), "") << id;
}

// The conversions of a text, in order: the host formats the English and the
// Japanese text of a record with the same arguments.
static std::vector<std::string> Conversions(const std::string &text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); i++) {
    unsigned char c = text[i];
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      i++; // a trail byte is never a conversion
    } else if (c == '%' && i + 1 < text.size()) {
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
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) i++;
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
