// The import-library dialog on scratch files: its labels, the names it hands
// back and remembers for each way of separating source and target, the
// boxes it asks and warns with, a source folder that refuses new files, and
// the arguments it refuses without showing itself.
#include <gtest/gtest.h>
#include "host/dialog_driver.h"
#include "host/files.h"
#include <string.h>

typedef int(__stdcall *OpenFn)(HWND, int, int *, char **);

enum { kLabel = 1083, kDescription = 1010, kAddMs = 1400, kSource = 1092, kAddBc = 1401, kCdecl = 40152 };
enum { kTarget = 40021 };

static int __stdcall SameLibraryName(char *path) { return 0; }

static std::string Name(const char *getter) {
  const char *name = HostProc<const char *(__stdcall *)()>(getter)();
  return name ? name : "(null)";
}

struct Outcome {
  int result, kind;
  std::string source, target;
  std::vector<SeenBox> boxes;
};

class ImportLibrary : public ::testing::Test {
protected:
  void SetUp() override {
    folder = ScratchFolder("libconv");
    sdk = MakeFolder(folder + "\\sdk");
    desktop = MakeFolder(folder + "\\desktop");
    WriteFileText(sdk + "\\foo.lib", "library");
    WriteFileText(sdk + "\\foo.dll", "dll");
    KitProc<void(__stdcall *)(const char *)>("KitSetDesktopDirectory")(desktop.c_str());
    HostProc<void(__stdcall *)(void *)>("GetLibExtensionAPI")((void *)SameLibraryName);
    HostProc<void(__stdcall *)()>("FreeLibraryNameForMCtoBClibrary")();
  }
  void TearDown() override {
    StopWatchingBoxes();
    HostSetLanguage(0);
    KitProc<void(__stdcall *)(const char *)>("KitSetDesktopDirectory")(nullptr);
    KitProc<void(__stdcall *)(const char *)>("KitSetCreatingForbiddenFolder")(nullptr);
    RemoveFolderTree(folder);
  }
  // Opens the dialog on `source`, lets `fill` set it up, presses OK (then
  // Cancel, which counts only when OK failed), boxes answered in order.
  Outcome Run(int kind, const std::string &source, std::vector<int> answers, std::function<void(HWND)> fill) {
    char entries[5][520] = {};
    char *names[5] = {entries[0], entries[1], entries[2], entries[3], entries[4]};
    strcpy(entries[1], source.c_str());
    Outcome outcome;
    outcome.kind = kind;
    WatchBoxes(answers);
    auto open = HostProc<OpenFn>("OpenNewBClibDialog");
    outcome.result = DriveOne(kLabel, [&](HWND d) {
      if (fill) fill(d);
      ClickNow(d, IDOK);
      PressButton(d, 1000);
    }, [&] { return open(HostMainWindow(), 0, &outcome.kind, names); });
    outcome.boxes = StopWatchingBoxes();
    outcome.source = entries[1];
    outcome.target = entries[4];
    return outcome;
  }
  std::string folder, sdk, desktop;
};

// The source label by kind and language, and the description text.
TEST_F(ImportLibrary, Labels) {
  const struct { int kind, language; const char *label; } rows[] = {
      {265, 0, "From MS Imported &Library "},
      {266, 0, "From &DLL File"},
      {265, 1, "\xcf\xb2\xb8\xdb\xbf\xcc\xc4\x8e\x64\x97\x6c\x44\x6c\x6c\x97\x70\xd7\xb2\xcc\xde\xd7\xd8\x82\xa9\x82\xe7\x95\xcf\x8a\xb7(&L)"},
      {266, 1, "Dll\xcc\xa7\xb2\xd9\x82\xa9\x82\xe7\xb2\xdd\xce\xdf\xb0\xc4\xd7\xb2\xcc\xde\xd7\xd8\x8d\xec\x90\xac(&D)"},
  };
  for (const auto &row : rows) {
    HostSetLanguage(row.language);
    std::string label, description;
    EXPECT_EQ(Run(row.kind, "", {}, [&](HWND d) {
                label = ControlText(d, kLabel);
                description = ControlText(d, kDescription);
              }).result, 0);
    EXPECT_EQ(label, row.label);
    EXPECT_EQ(description, HostMessageText(row.kind, row.language));
  }
}

// Source and target one file: "MS" renames a copy of the Microsoft library
// and remembers both names; "BC" names the new library and forgets the
// original; a folder where the copy should go fails the OK with 352.
TEST_F(ImportLibrary, SameFileSeparatedAndRemembered) {
  std::string foo = sdk + "\\foo.lib";
  Outcome ms = Run(265, foo, {IDOK}, nullptr);
  EXPECT_EQ(ms.result, 1);
  EXPECT_EQ(ms.source, sdk + "\\fooMS.lib");
  EXPECT_EQ(ms.target, foo);
  EXPECT_EQ(ReadFileText(sdk + "\\fooMS.lib"), "library");
  EXPECT_EQ(Name("GetOriginalMSLibraryName"), foo);
  EXPECT_EQ(Name("GetRenamedMSLibraryName"), sdk + "\\fooMS.lib");
  ASSERT_EQ(ms.boxes.size(), 1u);
  EXPECT_EQ(ms.boxes[0].text, "No output library was given: " + foo + " will be created. Go on?");
  Outcome bc = Run(265, foo, {IDOK}, [](HWND d) { ClickNow(d, kAddBc); });
  EXPECT_EQ(bc.result, 1);
  EXPECT_EQ(bc.source, foo);
  EXPECT_EQ(bc.target, sdk + "\\fooBC.lib");
  EXPECT_EQ(Name("GetOriginalMSLibraryName"), "(null)");
  EXPECT_EQ(Name("GetRenamedMSLibraryName"), sdk + "\\fooMS.lib");
  EXPECT_EQ(Run(265, foo, {IDCANCEL}, nullptr).result, 0) << "270 cancelled";
  DeleteFileA((sdk + "\\fooMS.lib").c_str());
  MakeFolder(sdk + "\\fooMS.lib");
  Outcome blocked = Run(265, foo, {IDOK}, nullptr);
  EXPECT_EQ(blocked.result, 0);
  ASSERT_EQ(blocked.boxes.size(), 1u);
  EXPECT_EQ(blocked.boxes[0].text, "The copy of the library could not be created:\n" + sdk + "\\fooMS.lib");
  HostProc<void(__stdcall *)()>("FreeLibraryNameForMCtoBClibrary")();
  EXPECT_EQ(Name("GetRenamedMSLibraryName"), "(null)");
}

// A DLL source: a .lib is refused with 98; the cdecl check becomes the
// kind word; a relative target lies in the source's folder.
TEST_F(ImportLibrary, DllSourceAndTargets) {
  Outcome wrong = Run(266, sdk + "\\foo.lib", {IDOK}, nullptr);
  EXPECT_EQ(wrong.result, 0);
  ASSERT_EQ(wrong.boxes.size(), 1u);
  EXPECT_EQ(wrong.boxes[0].text, "Choose a file with the extension .dll. " + sdk + "\\foo.lib");
  Outcome dll = Run(266, sdk + "\\foo.dll", {IDOK}, [](HWND d) {
    CheckDlgButton(d, kCdecl, BST_CHECKED);
    SetDlgItemTextA(d, kTarget, "out.lib");
  });
  EXPECT_EQ(dll.result, 1);
  EXPECT_EQ(dll.kind, 1);
  EXPECT_EQ(dll.source, sdk + "\\foo.dll");
  EXPECT_EQ(dll.target, sdk + "\\out.lib");
  EXPECT_TRUE(dll.boxes.empty());
}

// The renaming choices are enabled only while the target is the source.
TEST_F(ImportLibrary, RadioButtonsFollowTheTarget) {
  std::vector<bool> enabled;
  Run(265, sdk + "\\foo.lib", {IDCANCEL}, [&](HWND d) {
    for (std::string target : {sdk + "\\FOO.lib", std::string("other.lib"), sdk + "\\foo.lib"}) {
      SetDlgItemTextA(d, kTarget, target.c_str());
      enabled.push_back(IsWindowEnabled(GetDlgItem(d, kAddMs)) && IsWindowEnabled(GetDlgItem(d, kAddBc)));
    }
    SetDlgItemTextA(d, kTarget, "bad?.lib");
  });
  EXPECT_EQ(enabled, (std::vector<bool>{true, false, true}));
}

// A source folder that takes no new files: Yes makes a folder on the desktop
// named after the library ("foo1" when a file "foo" is in the way), No uses
// the desktop itself, Cancel fails the OK.
TEST_F(ImportLibrary, SourceFolderRefusingNewFiles) {
  KitProc<void(__stdcall *)(const char *)>("KitSetCreatingForbiddenFolder")(sdk.c_str());
  WriteFileText(desktop + "\\foo", "in the way");
  Outcome yes = Run(265, sdk + "\\foo.lib", {IDYES, IDOK}, nullptr);
  EXPECT_EQ(yes.result, 1);
  EXPECT_EQ(yes.source, desktop + "\\foo1\\fooMS.lib");
  EXPECT_EQ(yes.target, desktop + "\\foo1\\foo.lib");
  EXPECT_EQ(ReadFileText(desktop + "\\foo1\\foo.lib"), "library");
  ASSERT_EQ(yes.boxes.size(), 2u);
  EXPECT_NE(yes.boxes[0].text.find("[Desktop]\\foo1"), std::string::npos) << yes.boxes[0].text;
  EXPECT_EQ(yes.boxes[0].style & 0xF, (UINT)MB_YESNOCANCEL);
  for (const SeenBox &box : yes.boxes) EXPECT_EQ(box.title, HostMessageText(51, 0));
  Outcome no = Run(265, sdk + "\\foo.lib", {IDNO, IDOK}, nullptr);
  EXPECT_EQ(no.result, 1);
  EXPECT_EQ(no.target, desktop + "\\foo.lib");
  EXPECT_EQ(Run(265, sdk + "\\foo.lib", {IDCANCEL}, nullptr).result, 0);
}

// No kind, no names, a missing entry 1 or 4 or an unknown kind: 0, and no
// dialog is shown.
TEST_F(ImportLibrary, RefusedArguments) {
  char entry[520] = "";
  char *full[5] = {entry, entry, entry, entry, entry};
  char *noSource[5] = {entry, nullptr, entry, entry, entry};
  char *noTarget[5] = {entry, entry, entry, entry, nullptr};
  int good = 265, unknown = 264;
  const struct { int *kind; char **names; } rows[] = {
      {nullptr, full}, {&good, nullptr}, {&good, noSource}, {&good, noTarget}, {&unknown, full}};
  DriveDialogs(kLabel, [](HWND d) { PressButton(d, IDCANCEL); });
  for (const auto &row : rows) EXPECT_EQ(HostProc<OpenFn>("OpenNewBClibDialog")(HostMainWindow(), 0, row.kind, row.names), 0);
  EXPECT_EQ(StopDrivingDialogs(), 0);
}
