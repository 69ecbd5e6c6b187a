// Menu helpers of Kitlib: the Kugiri mark between a label and its shortcut,
// the modifier keys held down and whether the system is Japanese. The tests
// press keys with SetKeyboardState and choose the system with
// KitSetJapaneseWindowsSystem, as they choose the language.
#include "frame/kitlib.h"

// A tab: Windows right-aligns what follows it in a menu item, and a record
// that carries a menu text and then a tab and the item's place is cut at its
// last tab, so both read back whole.
extern "C" int KITAPI GetKugiriForAltCodeInMenu(void) { return '\t'; }

extern "C" int KITAPI CheckSpecialKeyDown(int virtualKey) {
  if (virtualKey <= 0 || virtualKey > 255) return 0;
  return (GetKeyState(virtualKey) & 0x8000) ? 1 : 0;
}

// -1: from the code page; 0 or 1: set by the host or a test. Written by the
// user-interface thread, read by any.
static volatile LONG g_japaneseSystem = -1;

extern "C" int KITAPI IsJapaneseWindowsSystem(void) {
  LONG set = g_japaneseSystem;
  if (set >= 0) return set ? 1 : 0;
  return GetACP() == 932 ? 1 : 0;
}

extern "C" void KITAPI KitSetJapaneseWindowsSystem(int japanese) {
  InterlockedExchange(&g_japaneseSystem, japanese < 0 ? -1 : (japanese ? 1 : 0));
}
