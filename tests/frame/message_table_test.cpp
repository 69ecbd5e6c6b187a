// The bilingual message table read through GetAppropriateLangauge: the texts
// the host shows, byte for byte in both languages (Japanese as Shift-JIS,
// katakana half-width), the language asked anew at every call, and ids
// outside the table.
#include <gtest/gtest.h>
#include "frame/shift_jis.h"
#include "host/host.h"
#include <climits>

typedef LPCSTR(__stdcall *GetTextFn)(int);

static LPCSTR Text(int id, int language) {
  HostSetLanguage(language);
  LPCSTR text = HostProc<GetTextFn>("GetAppropriateLangauge")(id);
  HostSetLanguage(0);
  return text;
}

// The middle that records 51 and 105 share: a name with this character
// (%s) cannot be read by BCC32.EXE; rename it from this line if needed.
#define kNameBcc32CannotRead \
  "\x82\xb1\x82\xcc\x95\xb6\x8e\x9a(%s)\x82\xf0\x8a\xdc\x82\xde\x96\xbc\x91O\x82\xcd" \
  "BCC32.EXE\x82\xaa\x94" \
  "F\x8e\xaf\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81" \
  "B\x95K\x97v\x82\xc8\x82\xe7\x82\xb1\x82\xcc\x8ds\x82\xc5\x89" \
  "E\x83N\x83\x8a\x83" \
  "b\x83N\x82\xb5\x81" \
  "A[\x93\xfa\x96{\x8c\xea\xcc\xa7\xb2\xd9\x96\xbc\x82\xcc\x95\xcf\x8dX]\x82\xc5\x82\xab\x82\xdc\x82\xb7\x81" \
  "B\r\n"

struct Record {
  int id;
  const char *english;
  const char *japanese; // Shift-JIS bytes
};

static const Record kTelling[] = {
    {0, "'Compile' performed...\r\n", "\xba\xdd\xca\xdf\xb2\xd9\x8e\xc0\x8ds\x92\x86...\r\n"},
    {15, "(Untitled)", "(\x96\xb3\x91\xe8)"},
    {23, " (Executed by Orvex)", " (Orvex\x82\xc9\x82\xe6\x82\xe9\x8e\xc0\x8ds)"},
    {51, "",
     ">> %s: " kNameBcc32CannotRead "   >\x8aY\x93\x96\x95\xb6\x8e\x9a\x81"
     "F%s\r\n"},
    {82, "", ""},
    {105, "",
     ">> %s (%s)\r\n   ==>" kNameBcc32CannotRead "     >\x8aY\x93\x96\x95\xb6\x8e\x9a\x81"
     "F%s\r\n"},
    {110,
     "The same extensions is linked to different folders in the file list. This extension is removed and the "
     "file is sorted into [Other]-folder.\r\n",
     nullptr}, // Japanese wording is ours: the sweep below checks it
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
