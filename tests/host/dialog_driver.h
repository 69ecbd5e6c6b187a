// Drives the modal dialogs (not message boxes) that the test thread opens:
// once a visible dialog holding a given control is up, the test's action is
// called with it from inside the dialog's own message loop; the action reads
// what it needs and ends the dialog (PressButton, or a message of its own).
#pragma once
#include <windows.h>
#include <functional>
#include <string>

void DriveDialogs(int identifyingControl, std::function<void(HWND)> action);
// Stops driving; returns how many dialogs were handed to the action.
int StopDrivingDialogs();

// Posts a click of button `id`, as the user's click reaches the dialog.
void PressButton(HWND dialog, int id);
std::string ControlText(HWND dialog, int id);
