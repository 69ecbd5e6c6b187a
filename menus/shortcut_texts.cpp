// Shortcut texts of menu items: the modifier prefixes "Ctrl+", "Alt+" and
// "Shift+" (always written in that order), the keys held down, and the
// composing of a shortcut into a menu text behind the Kugiri mark.
//
// Every search steps over whole Shift-JIS characters, so a trail byte is
// never taken for a '+' or for the first letter of a prefix.
#include "menus/menus.h"
#include "frame/scanning.h"
#include "frame/shift_jis.h"
#include <string.h>

static const struct {
  int bit;
  const char *text;
  int virtualKey;
} kModifiers[] = {{kCtrlBit, "Ctrl+", VK_CONTROL}, {kAltBit, "Alt+", VK_MENU}, {kShiftBit, "Shift+", VK_SHIFT}};

extern "C" LPCSTR ORVEXAPI GetCtrlKeyStringWithPlusInMenu(void) { return kModifiers[0].text; }
extern "C" LPCSTR ORVEXAPI GetAltKeyStringWithPlusInMenu(void) { return kModifiers[1].text; }
extern "C" LPCSTR ORVEXAPI GetShiftKeyStringWithPlusInMenu(void) { return kModifiers[2].text; }

extern "C" int ORVEXAPI GetSpecialKeyCodeFromKeydown(void) {
  int mask = 0;
  for (const auto &modifier : kModifiers)
    if (CheckSpecialKeyDown(modifier.virtualKey)) mask |= modifier.bit;
  return mask;
}

extern "C" int ORVEXAPI GetSpecialKeyCodeFormMenuString(LPCSTR text) {
  int mask = 0;
  for (const auto &modifier : kModifiers)
    if (FindWholeCharacterString(text, modifier.text)) mask |= modifier.bit;
  return mask;
}

// A mask holding any bit but the three modifiers asks for no known prefix.
extern "C" int ORVEXAPI IsMenuStringWithSpecialKey(LPCSTR text, int mask) {
  if (!text || (mask & ~kAllModifierBits)) return 0;
  return (GetSpecialKeyCodeFormMenuString(text) & mask) == mask;
}

extern "C" LPSTR ORVEXAPI GetFirstSpecialKeyStringFormMenuString(LPCSTR text) {
  char *first = 0;
  for (const auto &modifier : kModifiers) {
    char *found = FindWholeCharacterString(text, modifier.text);
    if (found && (!first || found < first)) first = found;
  }
  return first;
}

// The answer lies behind "Shift+" when there is one, else behind "Alt+",
// else behind "Ctrl+": the last prefix in the written order.
extern "C" LPSTR ORVEXAPI SkipAllSpecialKeyCodeIfThere(LPCSTR text) {
  char *behind = 0;
  for (const auto &modifier : kModifiers) {
    char *found = FindWholeCharacterString(text, modifier.text);
    if (found) behind = found + strlen(modifier.text);
  }
  return behind;
}

extern "C" LPSTR ORVEXAPI GetAltStringInMenuString(LPCSTR text, int *mask) {
  if (mask) *mask = GetSpecialKeyCodeFormMenuString(text);
  const char *plus = SjisLastOf(text, "+");
  return plus ? (LPSTR)plus + 1 : 0;
}

static void AddPrefixes(MenuText *built, int mask) {
  for (const auto &modifier : kModifiers)
    if (mask & modifier.bit) MenuTextAdd(built, modifier.text);
}

// The prefixes are appended only when the whole result fits the caller's
// menu text buffer; otherwise the text stays as it was.
extern "C" int ORVEXAPI AddExtraSpecialKeyInMenuString(LPSTR text, int mask) {
  if (!text) return 0;
  MenuText built;
  MenuTextStart(&built, text);
  AddPrefixes(&built, mask);
  MenuTextStore(&built, text);
  return (int)MenuTextLength(text);
}

extern "C" int ORVEXAPI AddExtraSpecialKeyFromKeyPressedInMenuString(LPSTR text, int *mask) {
  int held = GetSpecialKeyCodeFromKeydown();
  if (mask) *mask = held;
  return AddExtraSpecialKeyInMenuString(text, held);
}

// Takes the tail (from the last `tail` character on) out of `work` into
// `saved`. A Kugiri mark inside the tail starts an old shortcut, which the
// new one replaces, so the tail keeps only what stands before it.
static void TakeTail(char *work, int tail, char *saved) {
  saved[0] = 0;
  if (tail <= 0 || tail > 255) return;
  char marks[2] = {(char)tail, 0};
  char *from = (char *)SjisLastOf(work, marks);
  if (!from) return;
  strcpy(saved, from);
  *from = 0;
  char *oldShortcut = FindKugiri(saved);
  if (oldShortcut) {
    *oldShortcut = 0;
    DeleteSpaceAtEnd(saved);
  }
}

// Rewrites the shortcut part of a menu text: the old shortcut (whatever it
// holds, from the first Kugiri mark on) goes, the new one is the mark, a
// blank, the prefixes of `mask` and the key's name; a tail that began with
// the `tail` character follows it. `vk` 0 only removes the shortcut. The
// caller's buffer holds kMenuTextSize bytes; a result that would not fit
// leaves the text as it was.
extern "C" int ORVEXAPI SetAltCodeInMenuString(LPSTR text, int ignored, int vk, int tail, int mask) {
  if (!text || MenuTextLength(text) >= kMenuTextSize) return 0;
  char work[kMenuTextSize], saved[kMenuTextSize], key[kMenuTextSize];
  strcpy(work, text);
  TakeTail(work, tail, saved);
  char *oldShortcut = FindKugiri(work);
  if (oldShortcut) {
    *oldShortcut = 0;
    DeleteSpaceAtEnd(work);
  }
  MenuText built;
  MenuTextStart(&built, work);
  if (vk) {
    if (!GetStringFromVkCodeForAllKeyStroke(key, vk)) return 0;
    char mark[2] = {KugiriMark(), 0};
    MenuTextAdd(&built, mark);
    MenuTextAdd(&built, " ");
    AddPrefixes(&built, mask);
    MenuTextAdd(&built, key);
  }
  MenuTextAdd(&built, saved);
  MenuTextStore(&built, text);
  return 0;
}
