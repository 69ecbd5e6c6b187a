// The keyword-database loader: a thread that reads "Keyword.fdb" (or
// "Keyword_func.fdb" when macro keywords are left out) from the product
// folder and adds its keywords to the popup's main list, one list-box
// message each. The host reaps it from its timer and stops it when it
// closes.
//
// Ownership. A run block holds everything of one load. The window thread
// makes it, sets its state to 1 and its keep-loading flag before the thread
// exists (so a stop or a reap that comes at once sees a running loader), and
// frees it when it reaps or stops the loader, after the thread has ended.
// The loader thread reads the block's path and list, polls keep loading per
// keyword and sets the state to -1 as its last step. The two values taken at
// the end (main count, page lines) are written by the loader and read by the
// window thread, atomically.
#include "completion/function_lists.h"
#include "completion/loaders.h"
#include "completion/put_word.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include "frame/registry.h"
#include "settings/session_flags.h"
#include <new>
#include <string.h>

struct KeywordRun {
  HANDLE thread;
  volatile LONG state;       // 1 running, -1 done; set to 1 by the window thread, to -1 by the loader
  volatile LONG keepLoading; // cleared by the window thread to stop the load after the current word
  KITMEMORYTAG path;         // the database's path, filled before the thread starts
  HWND list;                 // the main list
  int language;              // the language the header is looked for first
};

// Window thread only: the current run (0 when none) and a stop in progress.
static KeywordRun *g_run = 0;
static bool g_stopping = false;

// Written by the loader at its end, read by the window thread.
static volatile LONG g_mainCount = 0, g_pageLines = 0;

int MainCount(void) { return InterlockedCompareExchange(&g_mainCount, 0, 0); }
int PageLines(void) { return InterlockedCompareExchange(&g_pageLines, 0, 0); }

int KeywordLoaderState(void) { return g_run ? InterlockedCompareExchange(&g_run->state, 0, 0) : 0; }

// Adds the keywords that follow the header; the form feeds are put back.
static int AddKeywords(KeywordRun *run, char *text) {
  int language = run->language;
  char *header = DoFindNotEditedInMultiLanguage(text, &language);
  if (!header) return 0;
  char *p = header + strlen(FunctionListHeader(language));
  while (IsBlankByte(*p)) p++;
  int added = 0;
  while (InterlockedCompareExchange(&run->keepLoading, 1, 1) && *p) {
    char *mark = strchr(p, kNameEnd);
    if (mark) *mark = 0;
    if (strlen(p) < kWordBufferSize && SendMessageA(run->list, LB_ADDSTRING, 0, (LPARAM)p) >= 0) added++;
    if (!mark) break;
    *mark = kNameEnd;
    p = mark + 1;
  }
  return added;
}

static void LoadFile(KeywordRun *run) {
  const char *path = run->path.text;
  DWORD record[2] = {0, 0};
  int encoding = 0;
  HGLOBAL block = path && IsFileDirExistForOrvex(path) ? OpenReadOnlyFileForProject(path, record, &encoding, 0) : 0;
  char *text = block ? (char *)GlobalLock(block) : 0;
  int added = text && (record[0] || record[1]) ? AddKeywords(run, text) : 0;
  if (text) GlobalUnlock(block);
  if (block) GlobalFree(block);
  InterlockedExchange(&run->keepLoading, 0);
  if (added) HostSetAddUserKeywordsInOpenPutWordDlg();
}

static DWORD WINAPI LoadKeywords(void *parameter) {
  KeywordRun *run = (KeywordRun *)parameter;
  LRESULT height = SendMessageA(run->list, LB_GETITEMHEIGHT, 0, 0);
  ShowPrepareText();
  LoadFile(run);
  RECT client = {0, 0, 0, 0};
  GetClientRect(run->list, &client);
  // A list that is gone answers 0 for its item height: no page then.
  InterlockedExchange(&g_pageLines, height > 0 ? (LONG)((client.bottom - client.top) / height) : 0);
  InterlockedExchange(&g_mainCount, (LONG)SendMessageA(run->list, LB_GETCOUNT, 0, 0));
  InterlockedExchange(&run->state, -1);
  return 0;
}

static void FreeRun(KeywordRun *run) {
  if (run->thread) CloseHandle(run->thread);
  FreeMemoryTag(&run->path);
  delete run;
}

// Closes a finished loader; 1 when there was one.
static int ReapFinished(void) {
  if (!g_run || InterlockedCompareExchange(&g_run->state, 0, 0) != -1) return 0;
  FreeRun(g_run);
  g_run = 0;
  ArmAnnounce();
  return 1;
}

int StartKeywordLoader(void) {
  HWND list = PutWordList(IDC_PUTWORD_MAIN_LIST);
  if (!list || g_stopping) return 0;
  if (g_run && !ReapFinished()) return 0; // one is still loading
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  KeywordRun *run = new (std::nothrow) KeywordRun();
  if (!run) return 0;
  run->list = list;
  run->language = GetLanguage();
  int withoutMacros = IsMacroKeywordAbsentInDatabase() ? 1 : 0;
  if (GetMemoryTagBySize(0, &run->path, kKitPathBufferRequest, 0)) KeywordDatabasePath(run->path.text, withoutMacros);
  SetDatabaseTypePutWordDialog(withoutMacros);
  run->state = 1;
  run->keepLoading = 1;
  run->thread = CreateThread(0, 0, LoadKeywords, run, 0, 0);
  if (!run->thread) {
    FreeRun(run);
    return 0;
  }
  g_run = run;
  return 1;
}

// Stops the loader after its current keyword and waits for it.
static void StopKeywordLoader(void) {
  KeywordRun *run = g_run;
  if (!run) return;
  g_run = 0; // a message handled while waiting finds no loader to stop
  g_stopping = true;
  InterlockedExchange(&run->keepLoading, 0);
  EndWorker(run->thread);
  FreeRun(run);
  g_stopping = false;
}

void StopLoadersForPopup(void) {
  StopUserReader(false);
  StopKeywordLoader();
}

extern "C" int ORVEXAPI IsThreadForPutWordDlgFromCDatabaseActive(void) { return KeywordLoaderState(); }

extern "C" int ORVEXAPI TerminateThreadPutWordWindowOnTimer(void) { return ReapFinished(); }

extern "C" void ORVEXAPI TerminateThreadPutWordWindowOnClose(void) {
  StopUserReader(true);
  StopKeywordLoader();
}
