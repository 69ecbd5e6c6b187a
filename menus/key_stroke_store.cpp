// The two lists of key-stroke record nodes: the menu items as they were
// before any user shortcut (filled by the snapshot) and the modified key
// strokes (filled, read and freed by the host alone). Each node is a
// zero-filled block of global memory, locked while it lives; its record text
// is a copy held by a Kitlib memory tag. A node handed back by the host is
// used only when it belongs to the list the call names.
#include "menus/key_stroke_store.h"
#include "menus/menus.h"

struct NodeList {
  MENUKEYNODE *head, *tail;
};

// Both lists: the host's user-interface thread only.
static NodeList g_savedItems = {0, 0};
static NodeList g_modifiedKeyStrokes = {0, 0};

static MENUKEYNODE *AllocateNode(NodeList *list) {
  HGLOBAL block = GetGlobalHandle(0, sizeof(MENUKEYNODE));
  if (!block) return 0;
  MENUKEYNODE *node = (MENUKEYNODE *)GlobalLock(block);
  if (!node) {
    GlobalFree(block);
    return 0;
  }
  node->handle = block;
  if (list->tail) list->tail->next = node;
  else list->head = node;
  list->tail = node;
  return node;
}

static bool Holds(const NodeList *list, const MENUKEYNODE *node) {
  for (const MENUKEYNODE *walk = list->head; walk; walk = walk->next)
    if (walk == node) return true;
  return false;
}

// A node that already holds a text gives its old copy back first.
static int SetNodeText(const NodeList *list, MENUKEYNODE *node, LPCSTR text) {
  if (!node || !text || !Holds(list, node)) return 0;
  if (node->tag.hMem) FreeMemoryTag(&node->tag);
  return GetMemoryTag(0, &node->tag, text);
}

static MENUKEYNODE *NextNode(const NodeList *list, MENUKEYNODE *node, int index) {
  if (index == 0) return list->head;
  return node && Holds(list, node) ? node->next : 0;
}

// Each node's successor is read before its block is released.
static int FreeNodes(NodeList *list) {
  int released = 0;
  for (MENUKEYNODE *node = list->head; node;) {
    MENUKEYNODE *next = node->next;
    HGLOBAL block = node->handle;
    FreeMemoryTag(&node->tag);
    GlobalUnlock(block);
    GlobalFree(block);
    released++;
    node = next;
  }
  list->head = list->tail = 0;
  return released;
}

extern "C" MENUKEYNODE *ORVEXAPI AllocatMenuItemSavedMemoryTag(void) { return AllocateNode(&g_savedItems); }
extern "C" MENUKEYNODE *ORVEXAPI AllocateModifiedKeyStrokeMemoryTag(void) {
  return AllocateNode(&g_modifiedKeyStrokes);
}

extern "C" int ORVEXAPI SetMenuItemSavedMemoryTag(MENUKEYNODE *node, LPCSTR text) {
  return SetNodeText(&g_savedItems, node, text);
}
extern "C" int ORVEXAPI SetModifiedKeyStrokeMemoryTag(MENUKEYNODE *node, LPCSTR text) {
  return SetNodeText(&g_modifiedKeyStrokes, node, text);
}

extern "C" MENUKEYNODE *ORVEXAPI GetMenuItemSaved(MENUKEYNODE *node, int index) {
  return NextNode(&g_savedItems, node, index);
}
extern "C" MENUKEYNODE *ORVEXAPI GetModifiedKeyStroke(MENUKEYNODE *node, int index) {
  return NextNode(&g_modifiedKeyStrokes, node, index);
}

extern "C" LPSTR ORVEXAPI GetOrderedMenuItemSavedMenuList(int number) {
  for (MENUKEYNODE *node = g_savedItems.head; node; node = node->next)
    if (node->number == number) return node->tag.text;
  return 0;
}

extern "C" int ORVEXAPI FreeMenuItemSavedMemoryTag(void) { return FreeNodes(&g_savedItems); }
extern "C" int ORVEXAPI FreeModifiedKeyStrokeMemoryTag(void) { return FreeNodes(&g_modifiedKeyStrokes); }

// Entry [running number] of the host's tag array receives each saved text.
extern "C" int ORVEXAPI SaveDeafultMenuItems(int ignored, KITMEMORYTAG *tags) {
  if (!tags) return 0;
  for (MENUKEYNODE *node = g_savedItems.head; node; node = node->next)
    if (node->tag.text && node->number >= 0) GetMemoryTag(0, &tags[node->number], node->tag.text);
  return 0;
}
