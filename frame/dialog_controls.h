// Dialog controls as the library and the Kitlib stand-in address them: a
// box or field is control `id` of a dialog, or the dialog argument itself
// when `id` is 0; and the whole text of a control, read after asking its
// length.
#pragma once
#include <windows.h>
#include <string>

// Control `id` of `dialog`, or `dialog` itself when `id` is 0; null when
// that is no window.
inline HWND DialogControl(HWND dialog, int id) {
  HWND control = id ? (dialog ? GetDlgItem(dialog, id) : 0) : dialog;
  return control && IsWindow(control) ? control : 0;
}

// The whole text of `control`; empty when it is no window.
inline std::string WholeControlText(HWND control) {
  int length = control && IsWindow(control) ? GetWindowTextLengthA(control) : 0;
  if (length <= 0) return std::string();
  // The length may overstate a text of two-byte characters, never understate it.
  std::string text((size_t)length + 1, '\0');
  int read = GetWindowTextA(control, &text[0], length + 1);
  text.resize(read > 0 ? (size_t)read : 0);
  return text;
}
