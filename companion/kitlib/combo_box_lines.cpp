// Lines of a combo box read into a text buffer with a bound, and removed by
// their exact bytes (the host's C-function box holds status texts of both
// languages among the function names).
#include "frame/kitlib.h"
#include "frame/buffer_sizes.h"
#include "frame/dialog_controls.h"
#include <string.h>
#include <string>

extern "C" int KITAPI myGetTextComboBox(HWND combo, int item, LPSTR buffer) {
  if (buffer) buffer[0] = 0;
  if (!buffer || !IsWindow(combo) || item < 0) return -1;
  LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, (WPARAM)item, 0);
  if (length < 0) return -1;
  // The length may overstate a line of two-byte characters, never understate it.
  std::string line((size_t)length + 2, '\0');
  if (SendMessageA(combo, CB_GETLBTEXT, (WPARAM)item, (LPARAM)&line[0]) < 0) return -1;
  size_t bytes = strlen(line.c_str());
  if (bytes >= ITEM_BUFFER_SIZE) return -1;
  memcpy(buffer, line.c_str(), bytes + 1);
  return (int)bytes;
}

extern "C" int KITAPI DeleteSpecifiedTextFromComboBox(HWND dialog, int id, LPCSTR text) {
  HWND box = DialogControl(dialog, id);
  if (!box) return -1;
  int index = FindIndepLineInComboBox(box, text, 0);
  if (index < 0) return -1;
  return SendMessageA(box, CB_DELETESTRING, (WPARAM)index, 0) == CB_ERR ? -1 : index;
}
