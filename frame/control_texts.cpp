// Reading the text of a dialog control into a fixed buffer.
#include "frame/control_texts.h"
#include "frame/scanning.h"
#include <string>

size_t ReadControlText(HWND dialog, int id, char *buffer, size_t size) {
  HWND control = id ? (dialog ? GetDlgItem(dialog, id) : 0) : dialog;
  if (!buffer || !size) return 0;
  buffer[0] = 0;
  if (!IsWindow(control)) return 0;
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return 0;
  // The length may overstate a text of two-byte characters, never understate it.
  std::string text((size_t)length + 1, '\0');
  int read = GetWindowTextA(control, &text[0], length + 1);
  text.resize(read > 0 ? (size_t)read : 0);
  CopyWholeCharacters(buffer, size, text.c_str(), 0);
  return text.size();
}
