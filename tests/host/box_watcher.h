// The test host's eye on message boxes: while watching, every message box the
// test thread shows is read off the screen (text, title, owner, buttons and
// icon), recorded, and answered by pressing a button, so a test can call a
// function that shows a modal box and then check what the user saw.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct SeenBox {
  std::string text;  // the message, read back from the box's text control
  std::string title; // the caption
  HWND owner;        // the box's owner window, 0 for none
  UINT style;        // buttons and icon (MB_...), rebuilt from its controls
  int probe;         // what the probe answered while the box was up
};

// Starts watching the calling thread. The n-th box is answered with
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
