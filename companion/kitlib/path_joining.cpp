// A folder joined with a file name in the folder's own buffer, the form the
// function databases' paths are built in. The join itself is
// myGetFullPathName's; this only lets the folder buffer be the target.
#include "frame/kitlib.h"
#include <string.h>

extern "C" int KITAPI __myGetFullPathName(int zero, LPSTR folder, LPCSTR name) {
  if (!folder) return 0;
  char copy[MAX_PATH];
  size_t length = strnlen(folder, MAX_PATH);
  if (length >= MAX_PATH || !name) {
    folder[0] = 0;
    return 0;
  }
  memcpy(copy, folder, length + 1);
  return myGetFullPathName(folder, copy, name);
}
