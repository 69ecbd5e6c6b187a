// The one Shift-JIS character model, checked on valid and malformed text
// right before an unreadable page: where characters start (walking forward
// and asked for any byte), the last separator and the last character. The
// header is included directly; the last test walks the same malformed text
// through two exports that must agree with it.
#include <gtest/gtest.h>
#include "frame/shift_jis.h"
#include "host/host.h"
#include <string>

namespace {

// `starts` marks each byte: 'c' where a character starts, '-' for the second
// byte of a two-byte character. Offsets are -1 for none.
const struct { const char *text, *starts; int lastSeparator, lastCharacter; } kRows[] = {
    {"", "", -1, -1},
    {"a/b\\c", "ccccc", 3, 4},
    {"\x83\x5c\\", "c-c", 2, 2},            // ソ then a real backslash
    {"C:\\\x83\x5c", "cccc-", 2, 3},         // a folder ending in ソ ends in no separator
    {"\x81:2", "ccc", -1, 2},                // a lead byte before ':' is a lone byte
    {"\x81", "c", -1, 0},                    // a final lone lead byte stops at the NUL
    {" \x82\n", "ccc", -1, 2},               // nor does a lead byte take a line end
    {"\x81\x81\x5c", "c-c", 2, 2},           // 81 is a lead and a trail byte
    {"\x81\x81\x81\x5c", "c-c-", -1, 2},
    {"\xa0\x5c\xdf/", "cccc", 3, 3},         // half-width katakana are single bytes
    {"\xfc\x7f/\xe0\xfc\xfd", "cccc-c", 2, 5}, // 7F and FD are neither trail nor lead
    {"\x9f\x40\x80\\", "c-cc", 3, 3},
};

TEST(ShiftJis, CharacterStartsLastSeparatorAndLastCharacter) {
  for (const auto &row : kRows) {
    SCOPED_TRACE(testing::Message() << "row " << &row - kRows);
    char *text = GuardedReadOnlyText(row.text);
    size_t length = strlen(row.starts);
    std::string walked(length, '-'), asked(length, '-');
    for (const char *p = text; *p; p = SjisNext(p)) walked[(size_t)(p - text)] = 'c';
    for (size_t i = 0; i < length; i++)
      if (SjisIsCharStart(text, text + i)) asked[i] = 'c';
    EXPECT_EQ(walked, row.starts);
    EXPECT_EQ(asked, row.starts);
    const char *separator = SjisLastSeparator((const char *)text), *last = SjisLastCharacter(text);
    EXPECT_EQ(separator ? separator - text : -1, row.lastSeparator);
    EXPECT_EQ(last ? last - text : -1, row.lastCharacter);
    FreeGuarded(text);
  }
}

// "\x81:2": the ':' is a character of its own for the same-name mark and for
// the untitled-name test alike.
TEST(ShiftJis, ExportsAgreeOnALoneLeadByte) {
  char *text = GuardedReadOnlyText("\x81:2");
  EXPECT_EQ(HostProc<char *(__stdcall *)(char *)>("FindKUGIRIMARK_FOR_SAME_NAME")(text), text + 1);
  FreeGuarded(text);
  char *path = GuardedReadOnlyText("\x81:2\\(Untitled)");
  EXPECT_EQ(HostProc<int(__stdcall *)(const char *)>("IsFileWithNoName")(path), -1);
  FreeGuarded(path);
}

} // namespace
