// Filtering the popup's main list into candidates as the user types. The
// main list is sorted by the list box, so the words that begin with the
// pattern stand together and the walk ends after their run. Two tables
// remember, per position of the pattern, the first word that matched that
// far exactly and the first that matched that far with ASCII letters folded;
// when nothing begins with the pattern they give the best place to show.
//
// A sorted list box orders by the code page's collation, which under 1252
// puts Shift-JIS words among the Latin ones ("\x83\x41x" between fabs and
// feof): the run of a Latin first letter is never taken to end at a word
// whose first byte is 0x80 or more, and a pattern whose first byte is 0x80
// or more is looked for in the whole list.
//
// Everything here runs on the window thread; the words are read from the
// main list's copy.
#include "completion/function_lists.h"
#include "completion/put_word.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string.h>

// Window thread only.
static int g_exact[kWordBufferSize], g_fold[kWordBufferSize];
static int g_bestIndex = 0;
static int g_candidateCount = 0;

int BestIndex(void) { return g_bestIndex; }
int CandidateCount(void) { return g_candidateCount; }

struct Walk {
  const char *pattern;
  size_t n;
  bool charStart[kWordBufferSize];
  int longestExact, exactHit, first, last;
  bool equal, other;
};

// Marks the positions of the pattern where a character starts.
static void MarkCharacterStarts(Walk *walk) {
  memset(walk->charStart, 0, sizeof walk->charStart);
  for (size_t p = 0; p < walk->n; p += SjisCharLength(walk->pattern + p)) walk->charStart[p] = true;
}

// From position p on, the word matches the pattern with single-byte ASCII
// letters folded (two-byte characters must be equal): each position so
// reached first by this word is noted in the fold table.
static void NoteFoldedMatch(const Walk &walk, const char *word, size_t p, int index) {
  while (p < walk.n && walk.charStart[p]) {
    size_t step = SjisCharLength(walk.pattern + p);
    if (SjisCharLength(word + p) != step) return;
    if (step == 1 ? SjisFoldAscii(word[p]) != SjisFoldAscii(walk.pattern[p]) : memcmp(word + p, walk.pattern + p, 2))
      return;
    for (size_t k = 0; k < step && p + k < walk.n; k++)
      if (g_fold[p + k] < 0) g_fold[p + k] = index;
    p += step;
  }
}

// `first` is a word's first byte with ASCII letters folded.
static bool EndsTheRun(const Walk &walk, unsigned char first) {
  unsigned char wanted = (unsigned char)SjisFoldAscii(walk.pattern[0]);
  return first < 0x80 && wanted < 0x80 && first != wanted;
}

// One word of the walk: the tables, and the candidate list when the word
// begins with the whole pattern.
static void Examine(Walk *walk, HWND candidates, const char *word, const char *typed, int index) {
  size_t k = 0;
  while (k < walk->n && word[k] == walk->pattern[k]) k++;
  if (k >= 1) {
    if ((int)k > walk->longestExact) {
      for (size_t p = 0; p < k; p++) g_exact[p] = index;
      walk->longestExact = (int)k;
    } else if ((int)k < walk->longestExact) {
      return;
    }
  } else if (walk->longestExact != 0) {
    return;
  }
  NoteFoldedMatch(*walk, word, k, index);
  if (k != walk->n || walk->n == 0) return;
  walk->last = index;
  if (walk->first < 0) walk->first = index;
  if (strcmp(word, typed) == 0) {
    walk->exactHit = index;
    walk->equal = true;
  } else {
    walk->other = true;
  }
  SendMessageA(candidates, LB_ADDSTRING, 0, (LPARAM)word);
}

// The best place when no candidate gave one: the first word that reached
// the longest exact prefix, or one that went deeper with letters folded.
static int BestFromTables(const Walk &walk) {
  int best = walk.longestExact > 0 ? g_exact[walk.longestExact - 1] : -1;
  for (size_t p = (size_t)walk.longestExact; p < walk.n; p++)
    if (g_fold[p] >= 0) best = g_fold[p];
  return best;
}

static void CopyCompletion(char *completion, const char *from) {
  size_t length = strnlen(from, kWordBufferSize - 1);
  memcpy(completion, from, length);
  completion[length] = 0;
}

static void SelectBest(HWND popup, HWND mainList, int best) {
  {
    QuietWindow quiet(mainList);
    SendMessageA(mainList, LB_SETCURSEL, (WPARAM)best, 0);
  }
  if (g_candidateCount <= 1) return;
  char selected[kWordBufferSize];
  CopyMainListSelection(selected);
  int position = FindSpecifiedStringInListBox(popup, IDC_PUTWORD_CANDIDATES, selected);
  if (position) SendMessageA(GetDlgItem(popup, IDC_PUTWORD_CANDIDATES), LB_SETCURSEL, (WPARAM)(position - 1), 0);
}

int FilterMainList(HWND popup, const char *prefix, const char *word, char *completion) {
  HWND mainList = GetDlgItem(popup, IDC_PUTWORD_MAIN_LIST), candidates = GetDlgItem(popup, IDC_PUTWORD_CANDIDATES);
  if (!prefix && !word) {
    SendMessageA(mainList, LB_SETCURSEL, 0, 0);
    SendMessageA(mainList, LB_SETCURSEL, (WPARAM)-1, 0);
    g_bestIndex = 0;
    return 0;
  }
  if (!word) word = "";
  static Walk walk; // large; the window thread is the only user
  walk.pattern = prefix ? prefix : word;
  walk.n = strlen(walk.pattern);
  walk.longestExact = 0;
  walk.exactHit = walk.first = walk.last = -1;
  walk.equal = walk.other = false;
  MarkCharacterStarts(&walk);
  for (size_t p = 0; p < walk.n; p++) g_exact[p] = g_fold[p] = -1;
  const std::vector<char *> &words = MainListWords();
  int result = words.empty() ? 0 : 1, best = -1;
  QuietWindow quiet(candidates);
  SendMessageA(candidates, LB_RESETCONTENT, 0, 0);
  if (!*word) {
    best = 0;
  } else {
    // A word whose first byte differs from the pattern's (letters folded)
    // neither matches nor reaches a table: only its first byte is read.
    const std::vector<unsigned char> &firstBytes = MainListFirstBytes();
    unsigned char wanted = (unsigned char)SjisFoldAscii(walk.pattern[0]);
    for (size_t i = 0; i < words.size() && walk.n; i++) {
      if (firstBytes[i] == wanted) Examine(&walk, candidates, words[i], word, (int)i);
      if (walk.first >= 0 && EndsTheRun(walk, firstBytes[i])) break;
    }
    if (walk.first >= 0) {
      if (walk.first != walk.last && walk.other) {
        best = walk.exactHit >= 0 ? walk.exactHit : walk.first;
      } else {
        result = -2;
        CopyCompletion(completion, strlen(word) > walk.n ? word + walk.n : "");
        if (walk.exactHit < 0 && walk.other && walk.first == walk.last) {
          CopyCompletion(completion, words[(size_t)walk.first] + walk.n);
          best = walk.first;
        } else {
          best = walk.exactHit;
        }
      }
    }
    if (!words.empty() && best < 0) best = BestFromTables(walk);
    g_candidateCount = (int)SendMessageA(candidates, LB_GETCOUNT, 0, 0);
    if (!IsWindowEnabled(candidates) != !(g_candidateCount > 1)) EnableWindow(candidates, g_candidateCount > 1);
  }
  if (best < 0) best = 0;
  SelectBest(popup, mainList, best);
  g_bestIndex = best;
  return result;
}
