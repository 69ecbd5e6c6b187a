// The five compiler message keywords, English first, Japanese second. The
// source is UTF-8; the build turns the literals into Shift-JIS.
#include "warnings/message_keywords.h"

static const char *const g_messageKeywords[KEYWORD_COUNT][2] = {
    {"Caution", "注意"},
    {"Error", "エラー"},
    {"Error", "ｴﾗｰ"},
    {"Fatal", "致命的"},
    {"Warning", "警告"},
};

const char *MessageKeywordText(int keyword, int language) {
  if (keyword < 0 || keyword >= KEYWORD_COUNT) return 0;
  return g_messageKeywords[keyword][language ? 1 : 0];
}
