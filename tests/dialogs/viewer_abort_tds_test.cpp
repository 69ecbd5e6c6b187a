// The modeless viewer and printing-cancel box, worked from the test thread,
// and the tds advice box: one viewer at a time, its host callbacks, Copy to
// the clipboard (a bad length copies nothing), the abort flag, the groups
// the platform disables, and Delete emptying the output folders into the
// recycle bin but never a drive root, the Windows folder or an empty name.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <string.h>

typedef void *(__stdcall *SetterFn)(void *);

// The host's viewer: what it was asked, and the length it answers.
static std::vector<std::string> g_viewerCalls;
static HWND g_viewerDialog = 0;
static int g_length = 5;
static void Record(const std::string &call, int a, int b) {
  g_viewerCalls.push_back(call + " " + std::to_string(a) + " " + std::to_string(b));
}
static int __stdcall InitViewer(HWND dialog, int area, LPARAM value) {
  g_viewerDialog = dialog;
  Record("init", area, (int)value);
  return 42;
}
static int __stdcall WriteEnable(int id, int writable) { return Record("write", id, writable), 0; }
static int __stdcall TextLength(int id) { return g_length; }
static int __stdcall GetText(int id, char *buffer, int mode) {
  Record(buffer ? "text" : "null text", id, mode);
  if (buffer) memcpy(buffer, "hello", 5);
  return 0;
}
static int __stdcall DeleteViewer(HWND dialog, int id) { return Record("delete", dialog == g_viewerDialog, id), 0; }

TEST(Viewer, OneViewerCopyAndClose) {
  const struct { const char *setter; void *function; } setters[] = {
      {"SetInitViewerDialogAPI", (void *)InitViewer},       {"SetFootyWriteEnableViewerDialogAPI", (void *)WriteEnable},
      {"SetFootyGetTextLengthAPI", (void *)TextLength},     {"SetFootyGetTextAPI", (void *)GetText},
      {"SetDeleteViewerDialogAPI", (void *)DeleteViewer},
  };
  for (const auto &setter : setters) EXPECT_EQ(HostProc<SetterFn>(setter.setter)(setter.function), setter.function);
  auto create = HostProc<int(__stdcall *)(HWND, int, int, LPARAM)>("CreateViewFileDialog");
  auto buffers = KitProc<int(__stdcall *)()>("KitBuffersOutstanding");
  EXPECT_EQ(create(HostMainWindow(), 0, 0, 7), 1);
  EXPECT_EQ(create(HostMainWindow(), 0, 0, 8), 1);
  ASSERT_TRUE(IsWindow(g_viewerDialog));
  int before = buffers();
  ClipboardText(true);
  WatchBoxes({IDOK});
  for (int length : {-1, 0x7fffffff, 5}) {
    g_length = length;
    SendMessageA(g_viewerDialog, WM_COMMAND, 40083, 0);
    EXPECT_EQ(ClipboardText(true), length == 5 ? "hello" : "") << length;
  }
  EXPECT_TRUE(StopWatchingBoxes().empty()) << "the copy box stays switched off";
  EXPECT_EQ(KitProc<int(__stdcall *)()>("IsSuppressCopyClipBoardMessage")(), 0);
  EXPECT_EQ(buffers(), before);
  HWND viewer = g_viewerDialog;
  SendMessageA(viewer, WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(IsWindow(viewer));
  EXPECT_EQ(HostProc<int(__stdcall *)(int)>("DestroyViewFileDialog")(1), 0);
  EXPECT_EQ(g_viewerCalls, (std::vector<std::string>{"init 1372 7", "write 42 0", "text 42 4", "delete 1 42"}));
}

TEST(PrintingCancel, PageNumberAndAbortFlag) {
  HWND box = HostProc<HWND(__stdcall *)(HWND)>("OpenAbortDialog")(HostMainWindow());
  ASSERT_TRUE(IsWindow(box));
  auto aborted = KitProc<int(__stdcall *)()>("KitIsAbortPrinting");
  SendMessageA(box, WM_APP + 12, 0, (LPARAM)-5);
  EXPECT_EQ(ControlText(box, 1108), "-5");
  EXPECT_EQ(aborted(), 0);
  SendMessageA(box, WM_CLOSE, 0, 0);
  EXPECT_EQ(aborted(), 1);
  KitProc<void(__stdcall *)(int)>("SetAbortPrinting")(0);
  SendMessageA(box, WM_COMMAND, 1000, 0);
  EXPECT_EQ(aborted(), 1);
  EXPECT_TRUE(IsWindow(box)) << "the host destroys the box";
  DestroyWindow(box);
  KitProc<void(__stdcall *)(int)>("SetAbortPrinting")(0);
}

// ---- tds advice ----

static std::string g_outputs[2];
static int __stdcall OutputFolder(char *folder, int index) {
  strcpy(folder, g_outputs[index].c_str());
  return 0;
}
static std::vector<UINT> g_commands;
static LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
  return DefWindowProcA(window, message, wParam, lParam);
}

class TdsAdvice : public ::testing::Test {
protected:
  void SetUp() override {
    HostProc<SetterFn>("GetOutPutFolderWitheReleaseDebugFromCompileSwitchAPI")((void *)OutputFolder);
    folder = ScratchFolder("tds");
    KitProc<void(__stdcall *)(const char *)>("KitSetDeletionRoot")(folder.c_str());
    JournalClear();
  }
  void TearDown() override {
    KitProc<void(__stdcall *)(int)>("KitSetWindowsPlatform")(-1);
    KitProc<void(__stdcall *)(const char *)>("KitSetDeletionRoot")(nullptr);
    RemoveFolderTree(folder);
  }
  int Open(std::function<void(HWND)> action) { return OpenDriven("OpenBadTdsFileDialog", 0, 1403, action); }
  std::string folder;
};

// Bits 0x48 disable the XP group, else 0x200 the 98SE/Me group; "Open their
// Folder" sends 40143 to the host's main window.
TEST_F(TdsAdvice, PlatformGroupsAndHostCommand) {
  const struct { int platform; bool group98, groupXp; } rows[] = {{0x48, true, false}, {0x200, false, true}};
  for (const auto &row : rows) {
    KitProc<void(__stdcall *)(int)>("KitSetWindowsPlatform")(row.platform);
    std::vector<bool> enabled;
    EXPECT_EQ(Open([&](HWND d) {
                for (int id : {1403, 1101, 1014, 1404, 1369, 1016}) enabled.push_back(IsWindowEnabled(GetDlgItem(d, id)));
                PressButton(d, IDOK);
              }), 1);
    std::vector<bool> expected(3, row.group98);
    expected.insert(expected.end(), 3, row.groupXp);
    EXPECT_EQ(enabled, expected) << row.platform;
  }
  HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
  SetWindowLongPtrA(host, GWLP_WNDPROC, (LONG_PTR)RecordCommands);
  auto setMain = KitProc<void(__stdcall *)(HWND)>("KitSetMainWindow");
  setMain(host);
  EXPECT_EQ(Open([](HWND d) {
              ClickNow(d, 1016);
              PressButton(d, IDCANCEL);
            }), 0);
  setMain(HostMainWindow());
  DestroyWindow(host);
  EXPECT_EQ(g_commands, std::vector<UINT>{40143});
}

// Delete empties both output folders (the button keeps "&Delete" while
// they exist, a disabled "&Done" once both are gone); a host answer of "",
// a drive root or the Windows folder is never emptied.
TEST_F(TdsAdvice, DeleteEmptiesOnlyOutputFolders) {
  for (int i = 0; i < 2; i++) {
    g_outputs[i] = MakeFolder(folder + (i ? "\\Debug" : "\\Release"));
    MakeFolder(g_outputs[i] + "\\obj");
    WriteFileText(g_outputs[i] + "\\app.tds", "x");
  }
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const struct { std::string outputs[2]; const char *button; } rows[] = {
      {{g_outputs[0], g_outputs[1]}, "&Delete on"}, {{g_outputs[0], g_outputs[1]}, "&Done off"},
      {{"C:\\", windows}, "&Delete on"},          {{"", ""}, "&Done off"}};
  for (const auto &row : rows) {
    if (&row == &rows[1]) RemoveFolderTree(g_outputs[0]), RemoveFolderTree(g_outputs[1]);
    g_outputs[0] = row.outputs[0], g_outputs[1] = row.outputs[1];
    std::string button;
    Open([&](HWND d) {
      ClickNow(d, 1095);
      button = ControlText(d, 1095) + (IsWindowEnabled(GetDlgItem(d, 1095)) ? " on" : " off");
      PressButton(d, IDOK);
    });
    EXPECT_EQ(button, row.button) << row.outputs[0];
    if (&row == &rows[0]) {
      EXPECT_FALSE(FileExists(g_outputs[0] + "\\app.tds") || FileExists(g_outputs[1] + "\\obj"));
    }
  }
  std::vector<std::string> deletions;
  for (const std::string &line : JournalLines())
    if (line.rfind("delete", 0) == 0) deletions.push_back(line);
  EXPECT_EQ(deletions, (std::vector<std::string>{JournalLine({"delete", folder + "\\Release", "*.*"}),
                                                 JournalLine({"delete", folder + "\\Debug", "*.*"})}));
}
