// The compiler message keywords as the host reads them: one getter per
// keyword, and the two keyword lists that the host walks entry by entry to
// classify the lines of the compiler's output. All texts come from the one
// keyword table; the lists only say which keyword stands at which index.
#include "frame/instance.h"
#include "warnings/message_keywords.h"

// List entries that are not keywords: the caller's own text, and the end.
enum { kCallersText = -1, kListEnd = -2 };

enum { kErrorListLength = 6, kMessageListLength = 7 };

static const int kErrorList[kErrorListLength] = {KEYWORD_ERROR, KEYWORD_WARNING, KEYWORD_CAUTION,
                                                 KEYWORD_FATAL, kCallersText,    kListEnd};

// The Japanese list has the half-width error keyword as well, so the two
// languages do not line up by index.
static const int kMessageList[2][kMessageListLength] = {
    {kCallersText, KEYWORD_ERROR, KEYWORD_WARNING, KEYWORD_CAUTION, KEYWORD_FATAL, kListEnd, kListEnd},
    {kCallersText, KEYWORD_ERROR, KEYWORD_ERROR_LOWER, KEYWORD_WARNING, KEYWORD_CAUTION, KEYWORD_FATAL, kListEnd},
};

static bool KnownLanguage(int language) { return language == 0 || language == 1; }

// The keyword in a language the tables hold, else null: the host's language
// value is not trusted to be 0 or 1.
static LPCSTR KeywordIn(int keyword, int language) {
  return KnownLanguage(language) ? MessageKeywordText(keyword, language) : 0;
}

static LPCSTR ListEntry(int entry, LPCSTR callersText, int language) {
  if (entry == kCallersText) return callersText;
  if (entry == kListEnd) return 0;
  return KeywordIn(entry, language);
}

extern "C" {

LPCSTR ORVEXAPI GetKeyWordCaution(int language) { return KeywordIn(KEYWORD_CAUTION, language); }
LPCSTR ORVEXAPI GetKeyWordError(int language) { return KeywordIn(KEYWORD_ERROR, language); }
LPCSTR ORVEXAPI GetKeyWordErrorLower(int language) { return KeywordIn(KEYWORD_ERROR_LOWER, language); }
LPCSTR ORVEXAPI GetKeyWordFatal(int language) { return KeywordIn(KEYWORD_FATAL, language); }
LPCSTR ORVEXAPI GetKeyWordWarning(int language) { return KeywordIn(KEYWORD_WARNING, language); }

// Entry `index` (0-5) of the error keyword list; the caller's text is handed
// back unread at index 4. Null outside the list or for an unknown language.
LPCSTR ORVEXAPI GetCompilerErrorMessage(LPCSTR text, int index, int language) {
  if (!KnownLanguage(language) || index < 0 || index >= kErrorListLength) return 0;
  return ListEntry(kErrorList[index], text, language);
}

// Entry `index` (0-6) of the message keyword list of the language; the
// caller's text is handed back unread at index 0.
LPCSTR ORVEXAPI GetKeikokuMessage(LPCSTR text, int index, int language) {
  if (!KnownLanguage(language) || index < 0 || index >= kMessageListLength) return 0;
  return ListEntry(kMessageList[language][index], text, language);
}
}
