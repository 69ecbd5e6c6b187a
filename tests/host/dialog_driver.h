// The test host's eye on what the test thread opens modally, from a thread
// timer that runs inside any modal loop of the thread: message boxes, read
// off the screen and answered; dialogs, each handed once to the test's
// action; popup menus, read item by item and closed.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "host/host.h"
#include "host/main_window.h"

// A message box as the user saw it.
struct SeenBox {
  std::string text;  // the message, read back from the box's text control
  std::string title; // the caption
  HWND owner;        // the box's owner window, 0 for none
  UINT style;        // buttons and icon (MB_...), rebuilt from its controls
  int probe;         // what the probe answered while the box was up
};

// Starts watching the calling thread's boxes. The n-th box is answered with
// answers[n] (the last answer repeats; a button the box lacks is replaced by
// its Cancel, else its OK). `probe`, when given, is asked while each box is up.
// After 30 s every box and dialog of the thread is cancelled.
void WatchBoxes(const std::vector<int> &answers, int (*probe)() = nullptr);
// Stops watching and returns the boxes seen, in order.
std::vector<SeenBox> StopWatchingBoxes();

// True when the ANSI code page gives back every byte 1..255 unchanged after a
// round trip through UTF-16. Box texts reach the screen through that
// conversion; when it holds, the text read back equals the bytes passed.
bool AnsiCodePageKeepsEveryByte();

// Once a visible dialog holding `identifyingControl` is up, `action` is
// called with it from inside the dialog's own message loop; the action reads
// what it needs and ends the dialog (PressButton, or a message of its own).
// Past 30 s from the first driven dialog kind, every dialog of the thread is
// cancelled and the test fails, so no test hangs.
void DriveDialogs(int identifyingControl, std::function<void(HWND)> action);
// Posts IDCANCEL to every visible dialog and message box of the thread.
void CancelEveryDialog();
// Stops driving; returns how many dialogs were handed to the action.
int StopDrivingDialogs();

// Drives the dialog holding `control` with `action` while `open` runs and
// answers what `open` answered; the test fails unless exactly one dialog was
// driven.
template <class Open> auto DriveOne(int control, std::function<void(HWND)> action, Open open) -> decltype(open()) {
  DriveDialogs(control, action);
  auto answer = open();
  EXPECT_EQ(StopDrivingDialogs(), 1) << "dialogs driven";
  return answer;
}
// The same for the usual dialog export, called as (main window, 0, 0, last).
template <class T> int OpenDriven(const char *name, T last, int control, std::function<void(HWND)> action) {
  auto open = HostProc<int(__stdcall *)(HWND, int, int, T)>(name);
  return DriveOne(control, action, [&] { return open(HostMainWindow(), 0, 0, last); });
}

// Posts a click of button `id`, as the user's click reaches the dialog; 0
// closes the dialog as its close box does.
void PressButton(HWND dialog, int id);
// Sends the click and returns when the dialog has handled it (boxes and
// dialogs it opens included), so an action can check what it did.
void ClickNow(HWND dialog, int id);
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);

// A popup menu as the user was offered it: (id, text) per item, (0, "") for
// a separator, and what the probe answered while it was open.
struct SeenMenu {
  std::vector<std::pair<UINT, std::string>> items;
  int probe;
};
// While watching, every popup menu the thread tracks is read and closed;
// `probe`, when given, is asked while each is open.
void WatchMenus(int (*probe)() = nullptr);
// Stops watching and returns the menus seen, in order.
std::vector<SeenMenu> StopWatchingMenus();
