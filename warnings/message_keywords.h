// The compiler's message keywords in both languages, by which the library
// recognises warning, error and fatal lines of the compiler's output.
#pragma once

enum MessageKeyword {
  KEYWORD_CAUTION,
  KEYWORD_ERROR,
  KEYWORD_ERROR_LOWER, // the Japanese form in half-width katakana
  KEYWORD_FATAL,
  KEYWORD_WARNING,
  KEYWORD_COUNT
};

// The keyword's Shift-JIS text: English for language 0, Japanese for any
// other language; null for a keyword outside the table.
const char *MessageKeywordText(int keyword, int language);
