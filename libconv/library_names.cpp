// The two library names the import-library dialog remembers for the host, so
// that it can undo the renaming after the conversion: the Microsoft library's
// original path and the path of its renamed copy. Each is a Kitlib memory
// tag, freed when it is replaced or forgotten.
#include "libconv/libconv_internal.h"
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include <string.h>

// Owned by the host's user-interface thread, which runs the dialog and reads
// the names.
static KITMEMORYTAG g_original;
static KITMEMORYTAG g_renamed;

static void Remember(KITMEMORYTAG *tag, const char *path) {
  FreeMemoryTag(tag);
  if (path && path[0]) GetMemoryTag(0, tag, path);
}

void RememberOriginalLibrary(const char *path) { Remember(&g_original, path); }
void RememberRenamedLibrary(const char *path) { Remember(&g_renamed, path); }

static LPSTR NameOf(const KITMEMORYTAG &tag) { return tag.text && tag.text[0] ? tag.text : 0; }

extern "C" LPSTR ORVEXAPI GetOriginalMSLibraryName(void) { return NameOf(g_original); }
extern "C" LPSTR ORVEXAPI GetRenamedMSLibraryName(void) { return NameOf(g_renamed); }

extern "C" void ORVEXAPI FreeLibraryNameForMCtoBClibrary(void) {
  FreeMemoryTag(&g_original);
  FreeMemoryTag(&g_renamed);
}

std::string WithMarkBeforeExtension(const char *path, const char *mark) {
  const char *name = SjisFileNamePart(path);
  const char *dot = SjisLastOf(name, ".");
  size_t at = dot ? (size_t)(dot - path) : strlen(path);
  return std::string(path, at) + mark + (path + at);
}
