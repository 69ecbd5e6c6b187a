// The page layout dialog run as a real modal dialog over Kitlib's layout
// store: the fields it shows, the margins it accepts and refuses, the store
// left alone by a refused OK, the insertion menu and the identifiers it
// inserts at the caret.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"

enum { kHeaderLeft = 1314, kFooterRight = 1319, kMarginRight = 1321 };

static std::string StoredHeader() {
  char *text = 0;
  KitProc<int(__stdcall *)(char **, int, int)>("GetFormatStringForRichTextContents")(&text, 0, 0);
  return text ? text : "";
}
// Margins as Kitlib hands them out: left, top, right, bottom.
static std::vector<double> StoredMargins() {
  std::vector<double> m(4);
  KitProc<void(__stdcall *)(double *, double *, double *, double *)>("GetMarginForRichTextContents")(&m[0], &m[1], &m[2], &m[3]);
  return m;
}
static void StoreLayout(const char *header, double left, double top, double right, double bottom) {
  KitProc<int(__stdcall *)(int)>("SetPrintRichTextContentsFormat")(0);
  KitProc<int(__stdcall *)(const char *, int)>("SetFormatStringForRichTextContents")(header, 0x240);
  KitProc<void(__stdcall *)(const double *, const double *, const double *, const double *, int)>(
      "SetMarginForRichTextContents")(&left, &right, &top, &bottom, 1);
}
static std::string Identifier(int kind) {
  return KitProc<const char *(__stdcall *)(int)>("GetFormatIdentifierStringForRichTextContents")(kind);
}
static std::pair<int, int> Selection(HWND dialog, int id) {
  DWORD start = 0, end = 0;
  SendDlgItemMessageA(dialog, id, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  return {(int)start, (int)end};
}
static int MenuOpenNow() { return HostProc<int(__stdcall *)()>("IsMenuOpen")(); }

static void OpenPageLayout(std::function<void(HWND)> action) {
  EXPECT_EQ(OpenDriven("OpenPageLayoutDialog", 0, kHeaderLeft, action), 1);
}

typedef ProductWindows PageLayout;

// The fields show the store (Get's top margin in 1322, its right one in
// 1321, a huge margin whole); OK without a change keeps the store, and the
// dialog opened again shows the same fields.
TEST_F(PageLayout, FieldsShowTheStoreAndOkKeepsIt) {
  StoreLayout("&f page &p", 1.5, 0.25, 2, 1e300);
  std::vector<std::string> fields[2];
  for (auto &seen : fields)
    OpenPageLayout([&seen](HWND dialog) {
      for (int id = 1314; id <= 1323; id++) seen.push_back(ControlText(dialog, id));
      PressButton(dialog, IDOK);
    });
  char huge[400];
  snprintf(huge, sizeof huge, "%.2f", 1e300);
  EXPECT_EQ(fields[0], (std::vector<std::string>{"&f page &p", "", "", "", "", "", "1.50", "2.00", "0.25", huge}));
  EXPECT_EQ(fields[1], fields[0]);
  EXPECT_EQ(StoredMargins(), (std::vector<double>{1.5, 0.25, 2, 1e300}));
  EXPECT_EQ(StoredHeader(), "&f page &p");
}

// A margin is digits with at most one period: refused texts bring message
// 131 (title 129, owned by the main window), select the field's text and
// keep the dialog open, and Cancel then leaves the whole store as it was
// (the changed header too). Accepted texts are stored with the header.
TEST_F(PageLayout, MarginsAcceptedAndRefused) {
  const struct { const char *text; bool accepted; double stored; } rows[] = {
      {"2.5", true, 2.5}, {" 3 ", true, 3}, {"", true, 0}, {"2.5.1", false, 0}, {"-1", false, 0},
      {"1,5", false, 0},  {"1\x82", false, 0}, {"\x82\x50", false, 0},
  };
  for (const auto &row : rows) {
    StoreLayout("old header", 1, 1, 1, 1);
    WatchBoxes({IDOK});
    bool stayed = false, focused = false;
    std::pair<int, int> selection;
    OpenPageLayout([&](HWND dialog) {
      SetDlgItemTextA(dialog, kHeaderLeft, "new header");
      SetDlgItemTextA(dialog, kMarginRight, row.text);
      SendMessageA(dialog, WM_COMMAND, IDOK, 0);
      stayed = IsWindow(dialog) && IsWindowVisible(dialog);
      focused = GetFocus() == GetDlgItem(dialog, kMarginRight);
      selection = Selection(dialog, kMarginRight);
      if (stayed) PressButton(dialog, 1000);
    });
    std::vector<SeenBox> boxes = StopWatchingBoxes();
    EXPECT_EQ(stayed, !row.accepted) << row.text;
    EXPECT_EQ(StoredHeader(), row.accepted ? "new header" : "old header") << row.text;
    EXPECT_EQ(StoredMargins()[2], row.accepted ? row.stored : 1) << row.text;
    ASSERT_EQ(boxes.size(), row.accepted ? 0u : 1u) << row.text;
    if (row.accepted) continue;
    EXPECT_EQ(boxes[0].text, HostMessageText(131, 0));
    EXPECT_EQ(boxes[0].title, HostMessageText(129, 0));
    EXPECT_EQ(boxes[0].owner, HostMainWindow());
    EXPECT_EQ(boxes[0].style, (UINT)(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(focused) << row.text;
    EXPECT_EQ(selection, std::make_pair(0, (int)strlen(row.text))) << row.text;
  }
}

// A "=>" button offers the four identifiers in the current language, a
// separator after the second, while the menu-open flag is up. The chosen
// identifier replaces the selection of that button's edit, the caret after
// it; the whole text counts, however long, but a selection starting past
// byte 1039 is refused.
TEST_F(PageLayout, InsertionMenuAndIdentifiers) {
  const std::string x600(600, 'x'), x1200(1200, 'x');
  const struct { int language, edit, button, kind; std::string text; int start, end; std::string want; int caret; } rows[] = {
      {0, kFooterRight, 1017, 2, "ab", 1, 1, "a" + Identifier(2) + "b", 1 + (int)Identifier(2).size()},
      {1, kHeaderLeft, 1014, 0, x600, 550, 560, std::string(550, 'x') + Identifier(0) + std::string(40, 'x'), 552},
      {0, kHeaderLeft, 1014, 3, x1200, 1100, 1100, x1200, 1100},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    WatchMenus(MenuOpenNow);
    std::string text;
    std::pair<int, int> caret;
    bool focused = false;
    int afterMenu = -1;
    OpenPageLayout([&](HWND dialog) {
      SetDlgItemTextA(dialog, row.edit, row.text.c_str());
      SendDlgItemMessageA(dialog, row.edit, EM_SETSEL, (WPARAM)row.start, (LPARAM)row.end);
      SendMessageA(dialog, WM_COMMAND, row.button, 0);
      afterMenu = MenuOpenNow();
      SendMessageA(dialog, WM_COMMAND, 1327 + row.kind, 0);
      text = ControlText(dialog, row.edit);
      caret = Selection(dialog, row.edit);
      focused = GetFocus() == GetDlgItem(dialog, row.edit);
      PressButton(dialog, 1000);
    });
    std::vector<SeenMenu> menus = StopWatchingMenus();
    ASSERT_EQ(menus.size(), 1u);
    std::vector<std::pair<UINT, std::string>> want;
    for (int k = 0; k < 4; k++) {
      want.push_back({1327 + k, HostMessageText(125 + k, row.language)});
      if (k == 1) want.push_back({0, ""});
    }
    EXPECT_EQ(menus[0].items, want);
    EXPECT_EQ(menus[0].probe, 1);
    EXPECT_EQ(afterMenu, 0);
    EXPECT_EQ(text, row.want) << row.text.size();
    EXPECT_EQ(caret.first, row.caret);
    EXPECT_TRUE(focused || row.text == x1200);
  }
}
