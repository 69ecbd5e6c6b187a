// Reading the text of a dialog control into a fixed buffer.
#include "frame/control_texts.h"
#include "frame/dialog_controls.h"
#include "frame/scanning.h"

size_t ReadControlText(HWND dialog, int id, char *buffer, size_t size) {
  if (!buffer || !size) return 0;
  std::string text = WholeControlText(DialogControl(dialog, id));
  CopyWholeCharacters(buffer, size, text.c_str(), 0);
  return text.size();
}
