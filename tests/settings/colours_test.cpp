// The colour store as the host keeps and reads it: the console cells and
// their text, the six output and tree-view records with the brushes of the
// background records, and the common colours.
#include <gtest/gtest.h>
#include "host/fresh_library.h"
#include "host/host.h"

typedef void(__stdcall *SetWordFn)(int);
typedef char *(__stdcall *ConsoleStringFn)(char *);
typedef COLORREF(__stdcall *ColourOfFn)(int);
typedef INT_PTR(__stdcall *SetColourFn)(COLORREF, int, int);
typedef void(__stdcall *SetCommonFn)(COLORREF, int);
typedef void(__stdcall *VoidFn)(void);
typedef int(__stdcall *IntOfFn)(int);

static const COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// The console text at load, with default cells and with only the text at
// the default; a buffer is filled and returned.
TEST(ColourStore, ConsoleColourText) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto text = (ConsoleStringFn)GetProcAddress(fresh, "GetConsoleColorString");
  auto setText = (SetWordFn)GetProcAddress(fresh, "SetConsoleTextColor");
  auto setBack = (SetWordFn)GetProcAddress(fresh, "SetConsoleBkColor");
  const struct { int textCell, backCell; const char *want; } rows[] = {
      {-1, -1, "7-0"}, {65535, 65535, "DUMMY"}, {65535, 0, "65535-0"}, {0x1234F, 0xFF, "9039-255"}};
  for (const auto &row : rows) {
    if (row.textCell >= 0) setText(row.textCell), setBack(row.backCell);
    char buffer[12];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(text(buffer), buffer);
    EXPECT_STREQ(buffer, row.want);
  }
  EXPECT_EQ(text(nullptr), nullptr);
  FreeFreshLibrary(fresh);
}

// A background record answers a new brush of its colour and deletes the old
// one; a text record answers its chosen flag; "use default" takes the
// record's default whatever colour is passed; a record outside 0 to 5
// changes nothing.
TEST(ColourStore, RecordsAndBrushes) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto set = (SetColourFn)GetProcAddress(fresh, "SetOutputAndTreeViewColor");
  auto colour = (ColourOfFn)GetProcAddress(fresh, "GetOutputAndTreeViewColor");
  auto isDefault = (IntOfFn)GetProcAddress(fresh, "IsDefaultOutputAndTreeViewColor");
  const COLORREF loaded[] = {0, 0xFFFFFF, kRed, kRed, 0, 0xFFFFFF};
  for (int record = 0; record < 6; record++) EXPECT_EQ(colour(record), loaded[record]) << record;

  HBRUSH first = (HBRUSH)set(kBlue, 1, 0);
  HBRUSH second = (HBRUSH)set(kGreen, 1, 0);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(second), (DWORD)OBJ_BRUSH);
  LOGBRUSH seen = {};
  GetObject(second, sizeof seen, &seen);
  EXPECT_EQ(seen.lbColor, kGreen);

  EXPECT_EQ(set(kBlue, 0, 0), 1);
  EXPECT_EQ(set(kBlue, 0, 1), 0);
  EXPECT_EQ(colour(0), 0u);
  EXPECT_EQ(isDefault(0), 1);
  EXPECT_EQ(set(kBlue, 2, 1), 0);
  EXPECT_EQ(colour(2), kRed);

  for (int record : {-1, 6, INT_MIN}) {
    EXPECT_EQ(set(kBlue, record, 0), 0);
    EXPECT_EQ(colour(record), 0u);
    EXPECT_EQ(isDefault(record), 0);
  }
  EXPECT_EQ(colour(1), kGreen);
  ((VoidFn)GetProcAddress(fresh, "DeleteBrushOutputAndTreeViewColor"))();
  EXPECT_EQ(GetObjectType(second), 0u);
  FreeFreshLibrary(fresh);
}

// The common colours reach records 4 and 5 only, each with its default flag.
TEST(ColourStore, TreeViewByCommonColours) {
  HMODULE fresh = LoadFreshLibrary();
  ASSERT_NE(fresh, nullptr);
  auto colour = (ColourOfFn)GetProcAddress(fresh, "GetOutputAndTreeViewColor");
  auto isDefault = (IntOfFn)GetProcAddress(fresh, "IsDefaultOutputAndTreeViewColor");
  ((SetCommonFn)GetProcAddress(fresh, "SetCommonTextColor"))(kBlue, 0);
  ((SetCommonFn)GetProcAddress(fresh, "SetCommonBkColor"))(kGreen, 1);
  COLORREF common = 0;
  int commonDefault = -1;
  EXPECT_EQ(((int(__stdcall *)(COLORREF *, int *))GetProcAddress(fresh, "GetCommonBkColor"))(&common, &commonDefault), 1);
  EXPECT_EQ(common, kGreen);
  ((VoidFn)GetProcAddress(fresh, "SetTreeViewColorByCommonColor"))();
  const COLORREF want[] = {0, 0xFFFFFF, kRed, kRed, kBlue, 0xFFFFFF};
  for (int record = 0; record < 6; record++) EXPECT_EQ(colour(record), want[record]) << record;
  EXPECT_EQ(isDefault(4), 0);
  EXPECT_EQ(isDefault(5), 1);
  FreeFreshLibrary(fresh);
}
