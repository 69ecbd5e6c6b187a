// Help files and web pages. No help viewer or browser exists where the suite
// runs, so every request is written to an in-memory journal that the host and
// the tests read back (KitJournal...); only with KITLIB_SHELL=real is the
// help viewer or the browser asked as well.
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include "journal.h"
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kJournalLines = 256, kJournalLineSize = 1024, kPathSize = MAX_PATH };

// Written and read on the host's user-interface thread, which makes every
// request and reads the journal back.
static char g_journal[kJournalLines][kJournalLineSize];
static int g_journalCount = 0;
// Set by the tests on that thread; what ReachURLFromString answers.
static int g_urlAnswer = 1;

void JournalAppend(const char *const *fields, int count) {
  if (g_journalCount == kJournalLines) {
    memmove(g_journal[0], g_journal[1], sizeof g_journal - sizeof g_journal[0]);
    g_journalCount--;
  }
  char *line = g_journal[g_journalCount++];
  size_t length = 0;
  line[0] = 0;
  for (int i = 0; i < count; i++) {
    if (i) AppendSjis(line, kJournalLineSize, &length, "\t");
    AppendSjis(line, kJournalLineSize, &length, fields[i]);
  }
}

bool JournalRealShell() {
  const char *shell = getenv("KITLIB_SHELL");
  return shell && strcmp(shell, "real") == 0;
}

extern "C" int KITAPI myShowHelpFile(int reserved, HWND window, LPCSTR folder, LPCSTR file, int command,
                                     int topic) {
  char path[kPathSize], commandText[16], topicText[16];
  myGetFullPathName(path, folder ? folder : "", file ? file : "");
  snprintf(commandText, sizeof commandText, "%d", command);
  snprintf(topicText, sizeof topicText, "%d", topic);
  const char *fields[] = {"help", commandText, topicText, path};
  JournalAppend(fields, 4);
  DWORD attributes = path[0] ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
  int there = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (there && JournalRealShell()) WinHelpA(window, path, (UINT)command, (ULONG_PTR)topic);
  return there;
}

extern "C" int KITAPI ReachURLFromString(int controlId, HWND window, LPCSTR address, int reserved) {
  char idText[16], title[kJournalLineSize] = "";
  snprintf(idText, sizeof idText, "%d", controlId);
  HWND main = GethWndMain();
  if (main && IsWindow(main)) GetWindowTextA(main, title, sizeof title);
  const char *fields[] = {"url", idText, address ? address : "", title};
  JournalAppend(fields, 4);
  if (address && JournalRealShell()) ShellExecuteA(window, "open", address, 0, 0, SW_SHOWNORMAL);
  return g_urlAnswer;
}

extern "C" int KITAPI KitJournalCount(void) { return g_journalCount; }

extern "C" int KITAPI KitJournalLine(int index, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  if (index < 0 || index >= g_journalCount) return 0;
  size_t length = 0;
  AppendSjis(buffer, (size_t)size, &length, g_journal[index]);
  return (int)length;
}

extern "C" void KITAPI KitJournalClear(void) { g_journalCount = 0; }

extern "C" void KITAPI KitSetUrlAnswer(int answer) { g_urlAnswer = answer; }
