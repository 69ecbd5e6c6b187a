// The user-database reader: adds the names of two of the host's function
// lists to the popup's main list, on a thread of its own or, through the
// export, on the caller's thread. A list is read only while the host holds
// it locked; the reader copies its text inside the function lists' guard,
// so it never sees a block that an append is moving, and then walks its own
// copy: nothing of the host's (the entry cutter included) is touched after
// the copy is taken.
//
// Ownership. A run block holds one threaded read: the window thread makes
// it, sets its state to 1 before the thread exists and frees it when it
// reaps or stops the reader, after the thread has ended. The reader thread
// polls the block's cancel flag and the stop-reading flag before every name
// and sets the state to -1 as its last step. Each read, threaded or direct,
// owns the buffers it uses, so a handler that starts or stops a reader while
// a direct read dispatches messages frees nothing under it.
#include "completion/function_lists.h"
#include "completion/loaders.h"
#include "completion/put_word.h"
#include "frame/function_list_guard.h"
#include "frame/kitlib.h"
#include <new>
#include <string.h>
#include <string>

struct ReaderRun {
  HANDLE thread;
  volatile LONG state;  // 1 running, -1 done; 1 set by the window thread, -1 by the reader
  volatile LONG cancel; // set by the window thread to end this read after the current name
  NESTEDLOCK *lists[2];
};

// Window thread only: the lists of the next read, the current threaded read
// and whether a direct read is under way.
static NESTEDLOCK *g_userLists[2] = {0, 0};
static ReaderRun *g_run = 0;
static bool g_directRead = false;

// Set by the window thread when the host closes, polled by every read; never
// cleared.
static volatile LONG g_stopUserReading = 0;

void StoreUserLists(NESTEDLOCK *list1, NESTEDLOCK *list2) {
  g_userLists[0] = list1;
  g_userLists[1] = list2;
}

struct NameSink {
  HWND list;
  volatile LONG *cancel; // 0 for a direct read
};

static bool Stopped(const NameSink &sink) {
  return InterlockedCompareExchange(&g_stopUserReading, 0, 0) ||
         (sink.cancel && InterlockedCompareExchange(sink.cancel, 0, 0));
}

static bool AddName(const char *name, void *context) {
  NameSink *sink = (NameSink *)context;
  // A direct read runs on the window thread: it lets the popup and the host
  // go on taking their messages. The reader thread owns no window, and its
  // sends are taken by the window thread's own loop.
  if (!sink->cancel) TrapMessage();
  if (Stopped(*sink)) return false;
  SendMessageA(sink->list, LB_ADDSTRING, 0, (LPARAM)name);
  return true;
}

// A copy of the list's text while the host holds it locked; false when the
// list is empty or not locked. The text is read through a lock of the block
// itself, bounded by the block's size, so a record that does not describe a
// block gives nothing rather than a read of wild memory.
static bool CopyLockedList(NESTEDLOCK *record, std::string *copy) {
  FunctionListGuard guard;
  if (!record || !record->block || !record->pointer) return false;
  SIZE_T size = GlobalSize(record->block);
  const char *text = size ? (const char *)GlobalLock(record->block) : 0;
  if (!text) return false;
  copy->assign(text, strnlen(text, size));
  GlobalUnlock(record->block);
  return true;
}

static void ReadLists(NESTEDLOCK *const lists[2], volatile LONG *cancel) {
  bool announce = AnnounceArmed();
  if (announce) ShowPrepareText();
  NameSink sink = {PutWordList(IDC_PUTWORD_MAIN_LIST), cancel};
  std::string copy;
  for (int i = 0; i < 2 && !Stopped(sink); i++)
    if (CopyLockedList(lists[i], &copy)) ForEachLastListName(&copy[0], AddName, &sink);
  if (announce) {
    ClearStatusRegion();
    ClearPrepareShown();
  }
  ClearAnnounce();
}

static DWORD WINAPI ReadOnThread(void *parameter) {
  ReaderRun *run = (ReaderRun *)parameter;
  ReadLists(run->lists, &run->cancel);
  InterlockedExchange(&run->state, -1);
  return 0;
}

static int ReaderState(void) { return g_run ? InterlockedCompareExchange(&g_run->state, 0, 0) : 0; }

static void FreeRun(ReaderRun *run) {
  if (run->thread) CloseHandle(run->thread);
  delete run;
}

void StopUserReader(bool forGood) {
  if (!g_run || ReaderState() == 0) return;
  if (forGood) InterlockedExchange(&g_stopUserReading, 1);
  if (ReaderState() != 1) return;
  ReaderRun *run = g_run;
  InterlockedExchange(&run->cancel, 1);
  // The run stays the reaper's; a handler run while waiting may reap it, so
  // the wait holds a handle of its own.
  HANDLE thread = 0;
  if (!DuplicateHandle(GetCurrentProcess(), run->thread, GetCurrentProcess(), &thread, 0, FALSE, DUPLICATE_SAME_ACCESS))
    return;
  bool ended = EndWorker(thread);
  CloseHandle(thread);
  if (!ended && g_run == run) InterlockedExchange(&run->state, -1); // ended by force: left to be reaped
}

// Stops and closes the reader; 1 when there was one.
static int CloseReader(void) {
  ReaderRun *run = g_run;
  if (!run) return 0;
  g_run = 0; // a message handled while waiting finds no reader to close
  InterlockedExchange(&run->cancel, 1);
  EndWorker(run->thread);
  FreeRun(run);
  ClearPrepareShown();
  ClearStatusRegion();
  return 1;
}

extern "C" int ORVEXAPI CreateThreadForReadFunctionsFromUserDatabase(NESTEDLOCK *list1, NESTEDLOCK *list2) {
  CloseReader();
  StoreUserLists(list1, list2);
  ReaderRun *run = new (std::nothrow) ReaderRun();
  if (run) {
    run->lists[0] = list1;
    run->lists[1] = list2;
    run->state = 1;
    run->thread = CreateThread(0, 0, ReadOnThread, run, 0, 0);
    if (run->thread) {
      g_run = run;
      return 1;
    }
    delete run;
  }
  ClearStatusRegion();
  ClearPrepareShown();
  return 0;
}

// 0 when called again from a message dispatched by a read under way.
extern "C" int ORVEXAPI ReadFunctionsFromUserDatabaseAndIntoPutwordListBox(void) {
  if (g_directRead) return 0;
  g_directRead = true;
  NESTEDLOCK *lists[2] = {g_userLists[0], g_userLists[1]};
  ReadLists(lists, 0);
  g_directRead = false;
  return 1;
}

extern "C" NESTEDLOCK *ORVEXAPI SetPointerOfFunctionListHandleForPutWordDialog(NESTEDLOCK *list1, NESTEDLOCK *list2) {
  StoreUserLists(list1, list2);
  return list2;
}

extern "C" int ORVEXAPI IsThreadForPutWordDlgFromUserDatabaseActive(void) { return ReaderState(); }

// 1 when a finished reader was closed.
extern "C" int ORVEXAPI TerminateThreadReadUserDatabaseOnTimer(void) {
  if (ReaderState() != -1) return 0;
  FreeRun(g_run);
  g_run = 0;
  return 1;
}

extern "C" int ORVEXAPI TerminateThreadReadUserDatabaseOnClose(void) { return CloseReader(); }
