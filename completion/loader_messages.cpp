// The prepare text that stands in the host's status region while the
// completion loaders fill the popup, and the bounded, message-pumping wait
// by which the window thread stops a loader.
#include "completion/loaders.h"
#include "completion/put_word.h"
#include "frame/kitlib.h"
#include "frame/registry.h"

static const char *const kPrepareText[] = {"Creating IntelliSense...", "入力補完設定中..."};

// Written by the window thread and the loaders alike: atomic.
static volatile LONG g_prepareShown = 0;   // the prepare text stands in the region
static volatile LONG g_announceReading = 0; // the next user read shows it and clears it

void ShowPrepareText(void) {
  HostSetMessageInAllowedStatusRegionWithSpace(kPrepareText[GetLanguage() ? 1 : 0]);
  InterlockedExchange(&g_prepareShown, 1);
}

void ClearStatusRegion(void) { HostSetMessageInAllowedStatusRegionWithSpace(0); }
void ClearPrepareShown(void) { InterlockedExchange(&g_prepareShown, 0); }
void ArmAnnounce(void) { InterlockedExchange(&g_announceReading, 1); }
bool AnnounceArmed(void) { return InterlockedCompareExchange(&g_announceReading, 0, 0) != 0; }
void ClearAnnounce(void) { InterlockedExchange(&g_announceReading, 0); }

extern "C" void ORVEXAPI ShowPreparePutWordsMessage(void) { ShowPrepareText(); }

extern "C" void ORVEXAPI ShowAgainPreparePutWordsMessage(void) {
  if (InterlockedCompareExchange(&g_prepareShown, 0, 0)) ShowPrepareText();
}

extern "C" void ORVEXAPI ErasePutWordsMessage(void) {
  if (KeywordLoaderState() == 0) ClearStatusRegion();
}

// Dispatches what waits for the calling thread; a quit message is kept and
// posted again after the wait so the host's loop still sees it.
static void DispatchPending(bool *quit, WPARAM *quitCode) {
  MSG message;
  while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      *quit = true;
      *quitCode = message.wParam;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool EndWorker(HANDLE thread) {
  if (!thread) return true;
  bool quit = false, ended = false;
  WPARAM quitCode = 0;
  DWORD start = GetTickCount();
  for (;;) {
    DWORD spent = GetTickCount() - start;
    if (spent >= kWorkerStopBoundMs) break;
    DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, kWorkerStopBoundMs - spent, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) {
      ended = true;
      break;
    }
    if (woke != WAIT_OBJECT_0 + 1) break;
    DispatchPending(&quit, &quitCode);
  }
  if (!ended) {
    TerminateThread(thread, 1);
    WaitForSingleObject(thread, kWorkerStopBoundMs);
  }
  if (quit) PostQuitMessage((int)quitCode);
  return ended;
}
