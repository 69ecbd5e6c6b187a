// Warning lines of the compiler's output: "Warning W8057 file.c 12: ..." in
// English, "警告 W8057 ..." in Japanese. The line test, and switching the
// warning that a line names on or off.
#include "warnings/warning_table.h"
#include "warnings/message_keywords.h"
#include "frame/scanning.h"
#include "frame/character_classes.h"
#include "frame/kitlib.h"
#include <string.h>

// The place just behind the current language's warning keyword, or null when
// the line does not begin with it.
static char *AfterWarningKeyword(const char *line) {
  const char *keyword = MessageKeywordText(KEYWORD_WARNING, GetLanguage());
  size_t length = strlen(keyword);
  return strncmp(line, keyword, length) == 0 ? (char *)line + length : 0;
}

bool IsWarningLine(const char *line) { return line && AfterWarningKeyword(line); }

// With a code buffer the line is cut at the first blank after the code (the
// caller asks for that cut), and the code with its leading blanks is copied
// to the buffer, at most ITEM_BUFFER_SIZE - 1 bytes, unless the buffer is
// the line itself.
extern "C" LPSTR ORVEXAPI IsKeikokuMessage(LPSTR line, LPSTR codeBuffer) {
  if (!line) return 0;
  char *code = AfterWarningKeyword(line);
  if (!code || !codeBuffer) return code;
  char *blank = FindRealCharacter(SkipEffectiveSpaceFromBeginning(code), ' ');
  if (blank) *blank = 0;
  if (codeBuffer == line) return code;
  CopyWholeCharacters(codeBuffer, ITEM_BUFFER_SIZE, code, 0);
  return codeBuffer;
}

// Whether the line begins with the key, followed by a blank or its end.
static bool KeyOpensLine(const char *line, const char *key) {
  size_t length = strlen(key);
  return strncmp(line, key, length) == 0 && (!line[length] || IsBlankByte((unsigned char)line[length]));
}

// The row of a warning line: the row whose selected key opens the line, so
// that a key quoted in the message text ("'Warning W8000' declared but never
// used") does not stand for the line's own warning; only when no key opens
// it, the first row whose key occurs anywhere in it. Null when none does.
static WarningRow *RowNamedInLine(const char *line, int selector) {
  if (!IsWarningLine(line)) return 0;
  for (int i = 0; WarningRowAt(i); i++)
    if (KeyOpensLine(line, WarningKey(WarningRowAt(i), selector))) return WarningRowAt(i);
  for (int i = 0; WarningRowAt(i); i++)
    if (FindWholeCharacterString(line, WarningKey(WarningRowAt(i), selector))) return WarningRowAt(i);
  return 0;
}

extern "C" LPCSTR ORVEXAPI DoWarningSwitch(LPCSTR line, int state, int selector) {
  WarningRow *row = RowNamedInLine(line, selector);
  if (!row || state < 0) return 0;
  row->state = state ? 1 : 0;
  return state ? row->enableSwitch : row->disableSwitch;
}

extern "C" int ORVEXAPI IsWarningSwitchDisabled(LPCSTR line, int selector) {
  WarningRow *row = RowNamedInLine(line, selector);
  return row && row->state == 0;
}
