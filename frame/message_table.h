// The bilingual message table (records 0 to 110) and its reader.
#pragma once
#include "frame/instance.h"

// The Japanese text of record `id` when `GetLanguage` is non-zero, else the
// English one; the empty text for an id outside 0..110.
extern "C" LPCSTR ORVEXAPI GetAppropriateLangauge(int id);

// The same record in the language asked for (non-zero: Japanese), for code
// that is given its language rather than asking Kitlib.
LPCSTR MessageTableText(int id, int japanese);
