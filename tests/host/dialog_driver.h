// Drives the modal dialogs (not message boxes) that the test thread opens:
// once a visible dialog holding a given control is up, the test's action is
// called with it from inside the dialog's own message loop; the action reads
// what it needs and ends the dialog (PressButton, or a message of its own).
#pragma once
#include <windows.h>
#include <functional>
#include <string>

// Past 30 s from the first driven dialog kind, every dialog of the thread is
// cancelled and the test fails, so no test hangs.
void DriveDialogs(int identifyingControl, std::function<void(HWND)> action);
// Posts IDCANCEL to every visible dialog and message box of the thread.
void CancelEveryDialog();
// Stops driving; returns how many dialogs were handed to the action.
int StopDrivingDialogs();

// Posts a click of button `id`, as the user's click reaches the dialog.
void PressButton(HWND dialog, int id);
// Sends the click and returns when the dialog has handled it (boxes and
// dialogs it opens included), so an action can check what it did.
void ClickNow(HWND dialog, int id);
std::string ControlText(HWND dialog, int id);

// Closes, for good, every window that the process opens from now on, from a
// thread timer of the calling thread, so also inside the modal loop of a
// dialog, a box or a menu: a new dialog is sent IDCANCEL and WM_CLOSE, any
// other new window WM_CLOSE, and an open menu ends. Only visible windows and
// dialogs count; message boxes are left to the box watcher.
void StartClosingNewWindows();
// After a call: destroys the new windows of the calling thread that are still
// there (a modeless window may ignore both messages) and asks those of other
// threads to close. Answers how many there were.
int CloseLeftoverWindows();
