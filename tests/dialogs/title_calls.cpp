// Preparing the host for the title and About windows' tests.
#include "dialogs/title_calls.h"
#include "host/box_watcher.h"
#include "host/journal.h"
#include "host/main_window.h"

bool PrepareHostForProductWindows() {
  HostSetLanguage(0);
  HostMainWindow();
  HostProc<VoidFn>("SetOrvexDirectory")();
  JournalClear();
  return AnsiCodePageKeepsEveryByte();
}
