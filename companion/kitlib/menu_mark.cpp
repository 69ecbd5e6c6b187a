// The separator mark of menu texts: a tab between an item's label and its
// shortcut text, as the menus show them.
#include "frame/kitlib.h"

extern "C" int KITAPI GetKugiriForAltCodeInMenu(void) { return '\t'; }
