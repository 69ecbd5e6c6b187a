// The editor chooser and the window list on their shared template, run as
// real modal dialogs: the lines they list, what their buttons hand back or
// ask the host for (through the host's own recording callbacks), and hosts
// whose chains are empty, hold records far above 4 GiB, or loop.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include "host/files.h"
#include "host/menu_bar.h"
#include <algorithm>

enum { kList = 1312, kOpen = 40006, kClose = 1001, kSave = 40075 };

static std::vector<std::string> ListLines(HWND dialog) {
  std::vector<std::string> lines;
  char line[1024];
  for (int i = 0, n = (int)SendDlgItemMessageA(dialog, kList, LB_GETCOUNT, 0, 0); i < n; i++)
    if (SendDlgItemMessageA(dialog, kList, LB_GETTEXT, i, (LPARAM)line) >= 0) lines.push_back(line);
  return lines;
}
static int Selected(HWND dialog) { return (int)SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0); }
static void Notify(HWND dialog, int notification) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, notification), (LPARAM)GetDlgItem(dialog, kList));
}
static std::string Enabled(HWND dialog) {
  std::string state;
  for (int id : {kOpen, kClose, kSave}) state += IsWindowEnabled(GetDlgItem(dialog, id)) ? "1" : "0";
  return state;
}

// What the window list's callbacks were asked, in order, and what they answer.
static std::vector<std::string> g_calls;
static const char *g_current;
static int g_openAnswer, g_closeAnswer;
static void *g_head;
static const HWND kEditorWindow = (HWND)(INT_PTR)0x5150;

static std::string Text(const void *pointer) { return std::to_string((unsigned long long)(ULONG_PTR)pointer); }
static int Record(const std::string &call, int answer) { return g_calls.push_back(call), answer; }
static void *__stdcall Head() { return g_head; }
static const char *__stdcall Current() { return g_current; }
static int __stdcall Modified(const char *name) { return strstr(name, "util") != 0; }
static int __stdcall Open(const char *name, int one) { return Record("open " + std::string(name) + " " + std::to_string(one), g_openAnswer); }
static int __stdcall Save(void *record, int a, int b, int c) { return Record("save " + Text(record) + " " + std::to_string(a + b + c), 0); }
static int __stdcall Close(void *record, int a, int b, int c) {
  return Record("close " + Text(record) + " " + std::to_string(a) + std::to_string(b) + std::to_string(c), g_closeAnswer);
}
static int __stdcall Tabs() { return Record("tabs", 0); }
static HWND __stdcall Editor(int zero) { return Record("editor " + std::to_string(zero), 0), kEditorWindow; }
static int __stdcall Destroy(HWND window) { return Record("destroy " + Text(window), 0); }
static const std::pair<const char *, void *> kCallbacks[] = {
    {"GetlpHeadTabListAPI", (void *)Head}, {"EditorGetCurrentFilenameWithPathAPI", (void *)Current},
    {"IsModifiedNameHereAPI", (void *)Modified}, {"ExecutedEditorAndSaveInfoAndModifyRecentFileMenuAPI", (void *)Open},
    {"SaveMainTextOfEditorAPI", (void *)Save}, {"EditorCloseEachEditorAPI", (void *)Close},
    {"CheckAllEditorTabsInAllowedRegionOnSizeAPI", (void *)Tabs}, {"EditFootyGetHwndEditorAPI", (void *)Editor},
    {"DestroyFindTextDlgAPI", (void *)Destroy}};
static void SetCallbacks(bool on) {
  for (const auto &callback : kCallbacks) HostProc<void(__stdcall *)(void *)>(callback.first)(on ? callback.second : 0);
}

class EditorLists : public ProductWindows {
protected:
  void TearDown() override {
    ProductWindows::TearDown();
    SetCallbacks(false);
  }
};

// Each existing program once (two letter cases, one line), a missing one
// skipped, a quoted path with blanks; a description holding ") " still gives
// the program's own path; Cancel and closing leave the buffer empty.
TEST_F(EditorLists, ChooserListsProgramsAndHandsBackThePath) {
  std::string folder = ScratchFolder("editors");
  std::string editor = folder + "\\described editor.exe", upper = editor;
  ASSERT_TRUE(CopyInto(ToolPath("described_editor"), editor));
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  std::string candidates = "\"" + editor + "\" -n %1|\"" + upper + "\"|C:\\no such\\editor.exe|" + ToolPath("emit") + "||";
  std::replace(candidates.begin(), candidates.end(), '|', '\0');
  ASSERT_LT(candidates.size(), 520u);
  for (int end : {(int)kClose, (int)kSave, 0}) {
    char buffer[520] = {};
    memcpy(buffer, candidates.data(), candidates.size());
    std::vector<std::string> lines;
    std::string enabled;
    auto choose = HostProc<int(__stdcall *)(HWND, char *)>("OpenChooseEditorAtFirstStartupDialog");
    int result = DriveOne(kList, [&](HWND dialog) {
      lines = ListLines(dialog);
      enabled = IsWindowEnabled(GetDlgItem(dialog, kClose)) ? "choose on" : "choose off";
      SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 0, 0);
      Notify(dialog, LBN_SELCHANGE);
      PressButton(dialog, end);
    }, [&] { return choose(HostMainWindow(), buffer); });
    EXPECT_EQ(lines, (std::vector<std::string>{"Editor (x86) Pro) " + editor, "emit.exe) " + ToolPath("emit")}));
    EXPECT_EQ(enabled, "choose off");
    EXPECT_EQ(result, end == kClose ? 1 : 0) << end;
    EXPECT_EQ(std::string(buffer), end == kClose ? editor : "") << end;
  }
  RemoveFolderTree(folder);
}

// Nodes and records far above 4 GiB: node i is words 8i..8i+7 of one block,
// record i the words from 64 + 8i on.
struct Chain {
  void **words = nullptr;
  Chain() {
    words = (void **)VirtualAlloc(0, 4096, MEM_COMMIT | MEM_RESERVE | MEM_TOP_DOWN, PAGE_READWRITE);
    if ((ULONG_PTR)words < 0x100000000ull) {
      VirtualFree(words, 0, MEM_RELEASE);
      words = (void **)VirtualAlloc((void *)0x7f0000000000ull, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
  }
  ~Chain() { VirtualFree(words, 0, MEM_RELEASE); }
  void **Node(int i) { return words + 8 * i; }
  void **Record(int i) { return words + 64 + 8 * i; }
  // Links nodes 0..n-1; node i holds record i when its name is given.
  void Link(const std::vector<const char *> &names) {
    for (size_t i = 0; i < names.size(); i++) {
      Node((int)i)[1] = i + 1 < names.size() ? Node((int)i + 1) : nullptr;
      Node((int)i)[2] = names[i] ? Record((int)i) : nullptr;
      Record((int)i)[4] = (void *)names[i];
      Record((int)i)[6] = (void *)"util.c*";
    }
  }
};

static int OpenWindowList(std::function<void(HWND)> action) { return OpenDriven("OpenListupEditorDialog", 0, kList, action); }

// The lines (empty names and null records passed over, the changed name's
// text after "<"), the current file selected, then Save, a refused and a done
// Close, a refused and a done Open, and Cancel with the find dialog closed.
TEST_F(EditorLists, WindowListLinesButtonsAndOddChains) {
  Chain chain;
  ASSERT_GE((ULONG_PTR)chain.words, 0x100000000ull);
  chain.Link({"C:\\src\\main.c", "C:\\src\\util.c", "", nullptr, "C:\\src\\io.c"});
  g_head = chain.Node(0);
  SetCallbacks(true);
  g_current = "c:\\SRC\\UTIL.C";
  g_calls.clear();
  g_openAnswer = g_closeAnswer = 0;
  std::vector<std::string> lines, after;
  std::vector<int> selected;
  std::string enabled;
  EXPECT_EQ(OpenWindowList([&](HWND dialog) {
              lines = ListLines(dialog);
              selected.push_back(Selected(dialog));
              enabled = Enabled(dialog);
              SendMessageA(dialog, WM_COMMAND, kSave, 0);
              SendMessageA(dialog, WM_COMMAND, kClose, 0);
              g_closeAnswer = 1;
              SendMessageA(dialog, WM_COMMAND, kClose, 0);
              after = ListLines(dialog);
              enabled += " " + Enabled(dialog);
              SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 0, 0);
              Notify(dialog, LBN_DBLCLK);
              PressButton(dialog, IDCANCEL);
            }), 1);
  std::string util = Text(chain.Record(1)), io = Text(chain.Record(4)), main = Text(chain.Record(0));
  EXPECT_EQ(lines, (std::vector<std::string>{"C:\\src\\io.c\t" + io, "C:\\src\\main.c\t" + main,
                                             "C:\\src\\util.c<util.c*\t" + util}));
  EXPECT_EQ(selected, std::vector<int>{2});
  EXPECT_EQ(after, (std::vector<std::string>{lines[0], lines[1]}));
  EXPECT_EQ(enabled, "111 000");
  EXPECT_EQ(g_calls, (std::vector<std::string>{"save " + util + " 0", "close " + util + " 030", "close " + util + " 030",
                                               "tabs", "open C:\\src\\io.c 1", "editor 0", "destroy " + Text(kEditorWindow)}));
  g_calls.clear();
  g_openAnswer = 1;
  EXPECT_EQ(OpenWindowList([](HWND dialog) { SendMessageA(dialog, WM_COMMAND, kOpen, 0); }), 0);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"open C:\\src\\util.c 1"}));
  // No chain, no current name, and a chain that loops: the list is empty or
  // stops, and the dialog still opens and closes.
  chain.Link({"C:\\loop.c"});
  chain.Node(0)[1] = chain.Node(0);
  g_current = nullptr;
  for (void *head : {(void *)nullptr, (void *)chain.Node(0)}) {
    g_head = head;
    size_t count = 99999;
    EXPECT_EQ(OpenWindowList([&](HWND dialog) {
                count = ListLines(dialog).size();
                enabled = Enabled(dialog);
                PressButton(dialog, IDOK);
              }), 0);
    EXPECT_LE(count, head ? 4096u : 0u);
    EXPECT_EQ(enabled, "000");
  }
}

// The recent-list editor on the host's menu bar: lines with their index and
// "X " for an entry that is no longer a file; one deletion keeps the order
// and numbers the rest from the list's base (34000 for files, 35000 for
// projects), a deleted file's entry comes back plain and a name holding "X "
// whole; "Delete &All" leaves the placeholder; Cancel leaves the menu alone.
TEST_F(EditorLists, RecentListEditor) {
  std::string folder = ScratchFolder("recent") + "\\";
  std::string a = folder + "a.c", gone = folder + "gone.c", xb = folder + "X b.c", c = folder + "c.c";
  const struct { int sub; std::vector<int> clicks; int end, result; std::vector<std::string> want; } rows[] = {
      {28, {kClose}, IDOK, 0, {"&0 " + gone, "&1 " + xb, "&2 " + c}},
      {28, {kOpen}, IDOK, 0, {"---"}},
      {28, {kClose}, kSave, 1, {"&0 " + a, "&1 " + gone, "&2 " + xb, "&3 " + c}},
      {29, {}, IDOK, 0, {"&0 " + a, "&1 " + gone, "&2 " + xb, "&3 " + c}},
  };
  for (const auto &row : rows) {
    ASSERT_EQ(HostProc<int(__stdcall *)(HWND)>("RetriveAllMainMenu")(HostBuildMenuBar()), 1);
    for (const std::string &name : {c, xb, gone, a}) {
      CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));
      HostProc<int(__stdcall *)(const char *)>(row.sub == 28 ? "ModifyRecentFileMenu" : "ModifyRecentProjectMenu")(name.c_str());
    }
    DeleteFileA(gone.c_str());
    std::vector<std::string> lines;
    std::string enabled;
    EXPECT_EQ(OpenDriven("OpenEditRecentFileFolderDialog", row.sub, kList, [&](HWND dialog) {
                lines = ListLines(dialog);
                enabled = Enabled(dialog) + (IsWindowEnabled(GetDlgItem(dialog, IDOK)) ? "1" : "0");
                SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 0, 0);
                for (int id : row.clicks) SendMessageA(dialog, WM_COMMAND, id, 0);
                PressButton(dialog, row.end);
              }),
              row.result);
    EXPECT_EQ(lines, (std::vector<std::string>{"000 " + a, "001 X " + gone, "002 " + xb, "003 " + c}));
    EXPECT_EQ(enabled, "1010");
    HMENU popup = HostMenuPopup(0, row.sub);
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(popup); i++) {
      HostMenuItem item = HostReadMenuItem(popup, i);
      items.push_back(item.text);
      EXPECT_EQ(item.id, row.want.size() == 1 ? 1 : (row.sub == 28 ? 34000 : 35000) + i) << item.text;
    }
    EXPECT_EQ(items, row.want) << row.sub << " " << row.end;
  }
  RemoveFolderTree(folder);
}
