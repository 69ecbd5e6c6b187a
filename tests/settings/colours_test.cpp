// The colour store as the host keeps and reads it, from its load values: the
// console cells and their text, the six output and tree-view records with
// the brushes of the background records, and the common colours.
#include <gtest/gtest.h>
#include "host/files.h"
#include "host/host.h"

typedef int(__stdcall *IntOfFn)(int);
typedef INT_PTR(__stdcall *SetColourFn)(COLORREF, int, int);

static const COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

class ColourStore : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_NE(fresh = LoadFreshLibrary(), nullptr); }
  void TearDown() override { FreeFreshLibrary(fresh); }
  template <class F> F Proc(const char *name) { return (F)GetProcAddress(fresh, name); }
  int Call(const char *name, int value = 0) { return Proc<IntOfFn>(name)(value); }
  HMODULE fresh = 0;
};

// The console text at load, with default cells and with only the text at
// the default; a buffer is filled and returned.
TEST_F(ColourStore, ConsoleColourText) {
  auto text = Proc<char *(__stdcall *)(char *)>("GetConsoleColorString");
  const struct { int textCell, backCell; const char *want; } rows[] = {
      {-1, -1, "7-0"}, {65535, 65535, "DUMMY"}, {65535, 0, "65535-0"}, {0x1234F, 0xFF, "9039-255"}};
  for (const auto &row : rows) {
    if (row.textCell >= 0) Call("SetConsoleTextColor", row.textCell), Call("SetConsoleBkColor", row.backCell);
    char buffer[12];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(text(buffer), buffer);
    EXPECT_STREQ(buffer, row.want);
  }
  EXPECT_EQ(text(nullptr), nullptr);
}

// A background record answers a new brush of its colour and deletes the old
// one; a text record answers its chosen flag; "use default" takes the
// record's default whatever colour is passed; a record outside 0 to 5
// changes nothing. The common colours reach records 4 and 5 only.
TEST_F(ColourStore, RecordsBrushesAndCommonColours) {
  auto set = Proc<SetColourFn>("SetOutputAndTreeViewColor");
  const COLORREF loaded[] = {0, kWhite, kRed, kRed, 0, kWhite};
  for (int record = 0; record < 6; record++) EXPECT_EQ((COLORREF)Call("GetOutputAndTreeViewColor", record), loaded[record]);

  HBRUSH first = (HBRUSH)set(kBlue, 1, 0), second = (HBRUSH)set(kGreen, 1, 0);
  LOGBRUSH seen = {};
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObject(second, sizeof seen, &seen), (int)sizeof seen);
  EXPECT_EQ(seen.lbColor, kGreen);
  EXPECT_EQ(set(kBlue, 0, 0), 1);
  EXPECT_EQ(set(kBlue, 0, 1), 0);
  EXPECT_EQ(Call("IsDefaultOutputAndTreeViewColor", 0), 1);
  EXPECT_EQ(set(kBlue, 2, 1), 0);
  EXPECT_EQ((COLORREF)Call("GetOutputAndTreeViewColor", 2), kRed);
  for (int record : {-1, 6, INT_MIN}) {
    EXPECT_EQ(set(kBlue, record, 0), 0);
    EXPECT_EQ(Call("GetOutputAndTreeViewColor", record), 0);
    EXPECT_EQ(Call("IsDefaultOutputAndTreeViewColor", record), 0);
  }

  Proc<void(__stdcall *)(COLORREF, int)>("SetCommonTextColor")(kBlue, 0);
  Proc<void(__stdcall *)(COLORREF, int)>("SetCommonBkColor")(kGreen, 1);
  Call("SetTreeViewColorByCommonColor");
  const COLORREF after[] = {0, kGreen, kRed, kRed, kBlue, kWhite};
  for (int record = 0; record < 6; record++) EXPECT_EQ((COLORREF)Call("GetOutputAndTreeViewColor", record), after[record]);
  EXPECT_EQ(Call("IsDefaultOutputAndTreeViewColor", 5), 1);
  Call("DeleteBrushOutputAndTreeViewColor");
  EXPECT_EQ(GetObjectType(second), 0u);
}
