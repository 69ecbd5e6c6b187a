// Source files by extension, file names without their extension, names the
// compiler can read, and small text conveniences of the file dialogs.
#include "frame/paths.h"
#include "frame/kitlib.h"
#include "frame/text_fit.h"
#include <string.h>

// Extension lists, ';'-separated, no dot.
static const char kWindowsSources[] = "c;cpp;asm;rc";
static const char kConsoleSources[] = "c;cpp;asm";
static const char kCSources[] = "c;cpp";
static const char kResourceSources[] = "c;cpp;rc";
static const char kAssemblerSources[] = "asm";
static const char kHeaderSources[] = "c;cpp;h;hpp";

// The list chosen by the first of these flags that is set.
static const struct {
  int flag;
  const char *list;
} kListsByFlag[] = {{0x2, kWindowsSources}, {0x40, kAssemblerSources}, {0x80, kHeaderSources},
                    {0x4, kConsoleSources}, {0x8, kCSources},          {0x10, kResourceSources}};

// The bit of each position in a list.
static const int kBitByPosition[] = {0x10, 0x20, 0x100, 0x200, 0x40, 0x80};

extern "C" int ORVEXAPI IsFileEffectiveSourceFile(LPCSTR name, int flags) {
  if (!name || !name[0]) return 0;
  const char *list = 0;
  for (const auto &entry : kListsByFlag)
    if (flags & entry.flag) {
      list = entry.list;
      break;
    }
  if (!list) return 0;
  int position = 0;
  for (const char *item = list; *item && position < 6; position++) {
    size_t length = strcspn(item, ";");
    char extension[8];
    memcpy(extension, item, length);
    extension[length] = 0;
    if (IsExtMatched(name, extension)) return kBitByPosition[position];
    item += length + (item[length] == ';');
  }
  return 0;
}

extern "C" LPCSTR ORVEXAPI GetCompileSourceExtWindowsSeparatedBySpace(void) { return kWindowsSources; }
extern "C" LPCSTR ORVEXAPI GetCompileSourceExtConsoleSeparatedBySpace(void) { return kConsoleSources; }

// The dot's position is given in the text as returned: when quotes are put
// back the text moves one byte on, and the position moves with it, so that
// writing the removed byte there never lands inside the name.
extern "C" LPSTR ORVEXAPI GetFileNameWithoutExtension(LPSTR path, int nameOnly, LPSTR *dotPlace, LPSTR removed) {
  if (removed) *removed = 0;
  if (!path) return 0;
  int quoted = Remove95Quotation(path);
  // Not Kitlib's GetFileName: it reads a command line and stops at a blank
  // outside quotes, but these paths are unquoted and may hold blanks.
  LPSTR result = nameOnly ? SjisFileNamePart(path) : path;
  LPSTR dot = GetFileExtension(result);
  if (dot) {
    if (removed) *removed = *dot;
    *dot = 0;
  }
  if (quoted && Add95QuotationForAnySpaceIfNotThere(result) && dot) dot += 1;
  if (dot && dotPlace) *dotPlace = dot;
  return result;
}

// The mapping is fixed, and hosts keep the names it made: every byte of 128
// or more becomes 'A' + byte % 26, every other byte stays, blanks go. Only
// the second byte of a two-byte character that may not stand in a file name
// (0x5C of "ソ", 0x7C of "ポ") is mapped by the same formula, so the result
// never holds a separator the name did not have.
static char AsciiLetterFor(unsigned char byte) { return (char)('A' + byte % 26); }

static bool MayStandInFileName(unsigned char byte) { return !strchr("\\/:*?\"<>|", byte); }

extern "C" LPSTR ORVEXAPI ConvertJapaneseNameToRandomAscciName(LPSTR name) {
  if (!name) return 0;
  size_t to = 0;
  for (size_t from = 0; name[from];) {
    size_t step = SjisCharLength(name + from);
    for (size_t k = 0; k < step; k++) {
      unsigned char byte = (unsigned char)name[from + k];
      bool trail = k == 1; // never NUL or a blank
      if (byte >= 128 || (trail && !MayStandInFileName(byte))) name[to++] = AsciiLetterFor(byte);
      else if (byte != ' ' && byte != '\t') name[to++] = (char)byte;
    }
    from += step;
  }
  name[to] = 0;
  return name;
}

extern "C" int ORVEXAPI AllowNonAlphabet(int byte) { return byte >= 32 && byte <= 126; }

extern "C" LPSTR ORVEXAPI FormatStringForOrvex(LPSTR text) {
  if (!text) return 0;
  strcat(text, ";");
  return text;
}

extern "C" int ORVEXAPI GetOutputPath(LPCSTR source, LPSTR destination, int size) {
  if (!destination) return 1;
  if (!source || destination == source || size <= 0) return 0;
  size_t length = strlen(source);
  if ((size_t)size < length + 1) return 0;
  memmove(destination, source, length + 1);
  return 1;
}
