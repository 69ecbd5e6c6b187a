// The runner's state word and the notifications to the host window. Both the
// runner's thread and the reader set bits, each with an atomic OR, so no lock
// is needed; the runner's wait ends on the reader's bit 0x08.
#include "runner/runner_internal.h"

// Host window and message number of every notification. Written by the
// runner's thread while it parses fields 1 and 2 (kept from the previous call
// until then); read by the reader while it runs, which is only after parsing.
static HWND g_window = 0;
static UINT g_message = 0;

// State word: set by both threads with atomic OR, cleared by the runner's
// thread only at the start of a call or before a fresh reader starts.
static volatile LONG g_state = 0;

void StateSet(LONG bits) { InterlockedOr(&g_state, bits); }

void StateClear(LONG bits) { InterlockedAnd(&g_state, ~bits); }

int StateHas(LONG bits) { return (g_state & bits) != 0; }

void StateReset(void) { InterlockedExchange(&g_state, 0); }

void RunnerSetWindow(HWND window) { g_window = window; }

void RunnerSetMessage(UINT message) { g_message = message; }

HWND RunnerWindow(void) { return g_window; }

UINT RunnerMessage(void) { return g_message; }

void RunnerNotify(int code, LPARAM value) {
  if (g_window) SendMessageA(g_window, g_message, (WPARAM)code, value);
}
