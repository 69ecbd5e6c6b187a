// The values the sweep passes for each kind of argument: one benign value and
// the hostile ones. Texts, buffers, records and words are made fresh for
// every call and end right before a PAGE_NOACCESS page, so that reading or
// writing one byte past what was given crashes at once.
#pragma once
#include <windows.h>
#include "sweep/sweep_plan.h"
#include <vector>

enum { kMostArguments = 16 };

int HostileValueCount(KindClass kind);
const char *HostileValueName(KindClass kind, int value);

// The windows and the module the child hands out.
struct SweepTargets {
  HWND window;      // the host's main window: the benign window
  HWND destroyed;   // a window that no longer exists
  HWND otherThread; // a window of another thread that pumps its messages
  HINSTANCE module; // the message library: the benign handle
};

// The arguments of one planned call, and the memory made for them.
struct SweepArguments {
  INT_PTR values[kMostArguments] = {};
  std::vector<void *> made;
  ~SweepArguments();
};

void MakeArguments(const SweptExport &swept, const PlannedCall &call, const SweepTargets &targets,
                   SweepArguments *arguments);
