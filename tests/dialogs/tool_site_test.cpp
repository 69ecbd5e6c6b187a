// The assembler and debugger site dialogs and the command-option dialog, run
// as real modal dialogs: which tool a site dialog speaks of, what its buttons
// ask Kitlib for, the clipboard copy and its message switch, and every way
// out answering 1.
#include <gtest/gtest.h>
#include "dialogs/title_calls.h"
#include <thread>

enum { kFolderEdit = 1033, kDescription = 1101, kDownload = 1014, kOpenFolder = 40020 };
enum { kCommandEdit = 1096, kCopy = 1116, kCopyResult = 1154 };

static const char kAssemblerAddress[] = "https://downloads.toolchain.example/tools/Tasm32.zip";
static const char kDebuggerAddress[] = "https://downloads.toolchain.example/tools/TD32.zip";

class ToolDialogs : public ProductWindows {
protected:
  void TearDown() override {
    ProductWindows::TearDown();
    SetSuppress(0);
  }
  static void SetSuppress(int value) { KitProc<void(__stdcall *)(int)>("SetSuppressCopyClipBoardMessage")(value); }
  static int Suppressed() { return KitProc<int(__stdcall *)()>("IsSuppressCopyClipBoardMessage")(); }
};

// The debugger's dialog opened after the assembler's speaks only of the
// debugger, in both languages; ">>" and the download button ask for its
// folder and address, and the button is enabled again afterwards. Without a
// folder the dialog still speaks of its own tool and ">>" asks for nothing.
TEST_F(ToolDialogs, SiteDialogSpeaksOfItsOwnTool) {
  const struct { const char *name; const char *folder; int language; const char *place, *address; int text; } rows[] = {
      {"OpenTurboDebuggerSiteDialog", "C:\\bcc\\bin", 0, "TD32.EXE/TD32HELP.TDH should be placed in", kDebuggerAddress, 335},
      {"OpenTurboDebuggerSiteDialog", "C:\\bcc\\bin", 1, "TD32.EXE/TD32HELP.TDH should be placed in", kDebuggerAddress, 335},
      {"OpenTurboDebuggerSiteDialog", nullptr, 0, "TD32.EXE/TD32HELP.TDH should be placed in", kDebuggerAddress, 335},
      {"OpenTasm32SiteDialog", nullptr, 1, "TASM32.EXE should be placed in", kAssemblerAddress, 358},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    OpenDriven("OpenTasm32SiteDialog", "C:\\asm", kFolderEdit, [](HWND dialog) { PressButton(dialog, IDOK); });
    JournalClear();
    std::string folderText, description;
    bool enabledAgain = false;
    EXPECT_EQ(OpenDriven(row.name, row.folder, kFolderEdit, [&](HWND dialog) {
                folderText = ControlText(dialog, kFolderEdit);
                description = ControlText(dialog, kDescription);
                SendMessageA(dialog, WM_COMMAND, kOpenFolder, 0);
                SendMessageA(dialog, WM_COMMAND, kDownload, 0);
                enabledAgain = IsWindowEnabled(GetDlgItem(dialog, kDownload)) != 0;
                PressButton(dialog, IDOK);
              }), 1);
    std::string folder = row.folder ? row.folder : "";
    EXPECT_EQ(folderText, std::string(row.place) + " " + folder + " folder");
    EXPECT_EQ(description, HostMessageText(row.text, row.language));
    EXPECT_TRUE(enabledAgain);
    std::vector<std::string> want;
    if (row.folder) want.push_back(JournalLine({"folder", row.folder}));
    want.push_back(JournalLine({"url", "1014", row.address, "Test host"}));
    EXPECT_EQ(JournalLines(), want) << row.name;
  }
}

// Holds the clipboard open on a thread of its own until destroyed, so that
// the dialog's copy cannot have it.
struct ClipboardHolder {
  HANDLE ready = CreateEventA(0, TRUE, FALSE, 0), release = CreateEventA(0, TRUE, FALSE, 0);
  std::thread holder{[this] {
    BOOL opened = OpenClipboard(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, 0, 0));
    SetEvent(ready);
    WaitForSingleObject(release, 10000);
    if (opened) CloseClipboard();
  }}; // its window goes with the thread
  ClipboardHolder() { WaitForSingleObject(ready, 5000); }
  ~ClipboardHolder() {
    SetEvent(release);
    holder.join();
    CloseHandle(ready), CloseHandle(release);
  }
};

// Copy puts the command on the clipboard and says so; with the clipboard
// held elsewhere it says that it failed, in the current language. Kitlib's
// message switch is as it was before, from either start value.
TEST_F(ToolDialogs, CommandCopyAndItsMessageSwitch) {
  const char command[] = "bcc32 -c -w-8057 \"main file.c\"";
  const struct { bool held; int language, suppressed; const char *want; } rows[] = {
      {false, 0, 0, "Copying done"},
      {false, 1, 1, "\xba\xcb\xdf\xb0\x82\xb5\x82\xdc\x82\xb5\x82\xbd"},
      {true, 0, 1, "Failed to copy"},
      {true, 1, 0, "\xba\xcb\xdf\xb0\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd"},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    SetSuppress(row.suppressed);
    ClipboardText(true);
    std::string shown, result;
    {
      std::unique_ptr<ClipboardHolder> holder(row.held ? new ClipboardHolder : nullptr);
      EXPECT_EQ(OpenDriven("OpenShowCmdOptionDialog", command, kCommandEdit, [&](HWND dialog) {
                  shown = ControlText(dialog, kCommandEdit);
                  SendMessageA(dialog, WM_COMMAND, kCopy, 0);
                  result = ControlText(dialog, kCopyResult);
                  PressButton(dialog, IDOK);
                }), 1);
    }
    EXPECT_EQ(shown, command);
    EXPECT_EQ(result, row.want);
    EXPECT_EQ(ClipboardText(), row.held ? "" : command);
    EXPECT_EQ(Suppressed(), row.suppressed);
  }
}

// Every way out of the three dialogs answers 1; help opens the compiler
// switch help at its topic.
TEST_F(ToolDialogs, EveryCloseAnswersOneAndHelp) {
  for (const char *name : {"OpenTasm32SiteDialog", "OpenTurboDebuggerSiteDialog", "OpenShowCmdOptionDialog"})
    for (int end : {IDOK, IDCANCEL, 1000, 0})
      EXPECT_EQ(OpenDriven(name, (const char *)nullptr, IDOK, [end](HWND window) { PressButton(window, end); }), 1)
          << name << " " << end;
  JournalClear();
  OpenDriven("OpenShowCmdOptionDialog", "x", kCommandEdit, [](HWND dialog) {
    PressButton(dialog, 40045);
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(JournalLines(), (std::vector<std::string>{JournalLine({"help", "1", "49148", HostFolder() + "OPTHELP.HLP"})}));
}
