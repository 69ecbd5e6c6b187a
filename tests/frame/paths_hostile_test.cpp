// Hostile texts for every path and text export: null and empty give the
// nothing-result; an over-long text and one ending in a lone lead byte right
// before a guard page are handled without reading or writing past them.
#include "paths_support.h"
#include <functional>

// Each export called on one text (writable unless the export only reads);
// the answer reduced to an integer: 0 for null or no.
struct HostileCall {
  const char *name;
  bool writes;
  std::function<long long(char *)> call;
  long long onNull, onEmpty;
};

static long long Ptr(const void *p) { return p ? 1 : 0; }

static std::vector<HostileCall> Calls() {
  static char buffer[MAX_PATH];
  return {
      {"SaveBaseFolder", false, [](char *t) { return Ptr(HostProc<PathToPath>("SaveBaseFolder")(t)); }, 0, 0},
      {"SaveOldBaseFolder", false,
       [](char *t) { return Ptr(HostProc<PathToPath>("SaveOldBaseFolder")(t)); }, 0, 1},
      {"FindNormalPath relative", false,
       [](char *t) {
         return Ptr(HostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex")(buffer, t, "C:\\a"));
       },
       0, 1},
      {"FindNormalPath base", false,
       [](char *t) {
         return Ptr(HostProc<NormalFromRelative>("FindNormalPathFromRelativePathForOrvex")(buffer, "x", t));
       },
       0, 0},
      {"FindRelativePath", false,
       [](char *t) { return Ptr(HostProc<RelativeFromNormal>("FindRelativePathFromNormalPathForOrvex")(t, "C:\\a")); },
       0, 1},
      {"FindRelativePath base", false,
       [](char *t) { return Ptr(HostProc<RelativeFromNormal>("FindRelativePathFromNormalPathForOrvex")("C:\\a\\b", t)); },
       1, 1},
      {"IsDirectoryAttributeForOrvex", false,
       [](char *t) { return (long long)HostProc<PathToInt>("IsDirectoryAttributeForOrvex")(t); }, 0, 0},
      {"IsFileDirExistForOrvex", false,
       [](char *t) { return (long long)HostProc<PathToInt>("IsFileDirExistForOrvex")(t); }, 0, 0},
      {"GetDirExistWithMessage", false,
       [](char *t) { return Ptr(HostProc<DirWithMessage>("GetDirExistWithMessage")(0, t, 226, 0)); }, 0, 0},
      {"GetFileExistWithMessage", false,
       [](char *t) { return Ptr(HostProc<FileWithMessage>("GetFileExistWithMessage")(0, t, 40, 0, 41, 0)); }, 0,
       0},
      {"ThisContainsSystemFolderToDelete", false,
       [](char *t) { return (long long)HostProc<PathToInt>("ThisContainsSystemFolderToDelete")(t); }, 0, 0},
      {"ThisIsSystemFolderToCreate", false,
       [](char *t) { return (long long)HostProc<PathToInt>("ThisIsSystemFolderToCreate")(t); }, 0, 0},
      {"IsFileEffectiveSourceFile", false,
       [](char *t) { return (long long)HostProc<SourceClass>("IsFileEffectiveSourceFile")(t, 0xFE); }, 0, 0},
      {"GetFileNameWithoutExtension", true,
       [](char *t) {
         char *dot = 0, removed = 'x';
         return Ptr(HostProc<WithoutExtension>("GetFileNameWithoutExtension")(t, 1, &dot, &removed)) +
                (removed ? 10 : 0);
       },
       0, 1},
      {"ConvertJapaneseNameToRandomAscciName", true,
       [](char *t) { return Ptr(HostProc<InPlace>("ConvertJapaneseNameToRandomAscciName")(t)); }, 0, 1},
      {"IsFileWithNoName", false, [](char *t) { return (long long)HostProc<PathToInt>("IsFileWithNoName")(t); }, 0,
       0},
      {"GetOutputPath", false,
       [](char *t) { return (long long)HostProc<OutputPath>("GetOutputPath")(t, buffer, sizeof buffer); }, 0, 1},
      {"GetShortStringIfLonger", true,
       [](char *t) {
         int length = -1;
         HostProc<ShortString>("GetShortStringIfLonger")(t, &length);
         return (long long)(length > 0);
       },
       0, 0},
      {"CountLineNumber", false,
       [](char *t) {
         return (long long)HostProc<LineNumber>("CountLineNumber")(t, t ? t + strlen(t) + 100 : (char *)"x");
       },
       0, 0},
      {"SetNewEmptyEndAtCompileDotC", true,
       [](char *t) {
         char *cut = 0, saved = 0;
         return Ptr(HostProc<CompileCut>("SetNewEmptyEndAtCompileDotC")(t, &cut, &saved)) + Ptr(cut) * 10;
       },
       0, 1},
      {"OpenReadOnlyFileForProject", false,
       [](char *t) {
         DWORD record[2];
         HGLOBAL block = HostProc<ProjectFile>("OpenReadOnlyFileForProject")(t, record, 0, 1);
         if (block) GlobalFree(block);
         return Ptr(block);
       },
       0, 0},
  };
}

TEST(PathsHostile, NullAndEmptyGiveNothing) {
  for (const HostileCall &c : Calls()) {
    EXPECT_EQ(c.call(0), c.onNull) << c.name << " (null)";
    char *empty = c.writes ? GuardedText("") : GuardedReadOnlyText("");
    EXPECT_EQ(c.call(empty), c.onEmpty) << c.name << " (empty)";
    FreeGuarded(empty);
  }
  HostProc<NoArgText>("ClearBaseFolder")();
}

TEST(PathsHostile, OverLongAndFinalLeadByteBeforeAGuardPage) {
  std::string longest(5000, 'a');
  const std::string texts[] = {longest, "C:\\dir\\name\x82", std::string(300, '\x82'), longest + ".c\x82",
                               "\"C:\\a b\\c.c\x82\""};
  for (const HostileCall &c : Calls())
    for (const std::string &text : texts) {
      char *guarded = c.writes ? GuardedText(text.c_str()) : GuardedReadOnlyText(text.c_str());
      c.call(guarded);
      FreeGuarded(guarded);
    }
  HostProc<NoArgText>("ClearBaseFolder")();
  HostProc<NoArgText>("ClearOldBaseFolder")();
  SUCCEED();
}
