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
//
// Under Wine every change of a window's style, region or text is a round
// trip to the window server, and the popup is shown while the user types:
// the candidate list is filled with its own redrawing off and marked
// invisible only when it has a scroll bar to repaint, and the main list's
// selection is left alone when it is already the best match.
#include "completion/function_lists.h"
#include "completion/put_word.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include <string.h>

// Window thread only.
static int g_exact[kWordBufferSize], g_fold[kWordBufferSize];
static int g_bestIndex = 0;
static int g_candidateCount = 0;
// The main-list positions of the current filtering's candidates.
static std::vector<int> g_found;

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

// One word of the walk: the tables, and the candidates when the word begins
// with the whole pattern.
static void Examine(Walk *walk, const char *word, const char *typed, int index) {
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
  g_found.push_back(index);
}

// Examines the main list's words from the top until the run of candidates
// ends. A word whose first byte differs from the pattern's (letters folded)
// neither matches nor reaches a table, so only its first byte is read: until
// the first candidate such words are passed over by a search of the first
// bytes. The words themselves lie scattered in memory; each is asked for a
// few words ahead of its turn, so that the waits for memory overlap.
static void WalkMainList(Walk *walk, const char *typed) {
  enum { kAhead = 16 };
  const std::vector<char *> &words = MainListWords();
  const unsigned char *first = MainListFirstBytes().data();
  size_t count = words.size();
  unsigned char wanted = (unsigned char)SjisFoldAscii(walk->pattern[0]);
  bool endsEarly = wanted < 0x80;
  for (size_t i = 0; i < count && walk->n; i++) {
    if (walk->first < 0 || !endsEarly) {
      const void *next = memchr(first + i, wanted, count - i);
      if (!next) break;
      i = (size_t)((const unsigned char *)next - first);
    }
    if (i + kAhead < count && first[i + kAhead] == wanted) __builtin_prefetch(words[i + kAhead]);
    if (first[i] == wanted) Examine(walk, words[i], typed, (int)i);
    if (walk->first >= 0 && EndsTheRun(*walk, first[i])) break;
  }
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

// True when the item at `index` lies wholly in the list's sight, so that
// selecting it scrolls nothing.
static bool InSight(HWND list, int index) {
  RECT item, client;
  return SendMessageA(list, LB_GETITEMRECT, (WPARAM)index, (LPARAM)&item) != LB_ERR && GetClientRect(list, &client) &&
         item.top >= client.top && item.bottom <= client.bottom;
}

// Selects the best match in the main list. While the user types on through
// a run of words the best match often stays where it is, in sight: then
// selecting it again would change nothing, and the invisible mark and the
// redraw would be all the work.
static void SelectInMainList(HWND mainList, int best) {
  if (SendMessageA(mainList, LB_GETCURSEL, 0, 0) == best && InSight(mainList, best)) return;
  QuietWindow quiet(mainList);
  SendMessageA(mainList, LB_SETCURSEL, (WPARAM)best, 0);
}

static void SelectBest(HWND popup, HWND mainList, HWND candidates, int best) {
  SelectInMainList(mainList, best);
  if (g_candidateCount <= 1) return;
  char selected[kWordBufferSize];
  CopyMainListSelection(selected);
  int position = FindSpecifiedStringInListBox(popup, IDC_PUTWORD_CANDIDATES, selected);
  if (position) SendMessageA(candidates, LB_SETCURSEL, (WPARAM)(position - 1), 0);
}

// Puts the candidates into the candidate list, emptied first.
static void FillCandidates(HWND candidates) {
  SendMessageA(candidates, LB_RESETCONTENT, 0, 0);
  const std::vector<char *> &words = MainListWords();
  for (int index : g_found) SendMessageA(candidates, LB_ADDSTRING, 0, (LPARAM)words[(size_t)index]);
}

int FilterMainList(HWND popup, const char *prefix, const char *word, char *completion) {
  HWND mainList = PutWordList(IDC_PUTWORD_MAIN_LIST), candidates = PutWordList(IDC_PUTWORD_CANDIDATES);
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
  g_found.clear();
  if (!*word) {
    best = 0;
  } else {
    WalkMainList(&walk, word);
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
  }
  if (best < 0) best = 0;
  // A candidate list of more than one word has a scroll bar, which the list
  // box repaints at once when its redrawing comes back on, and a selection
  // that may scroll: it is then marked invisible meanwhile and painted once
  // afterwards. One of a word or none only loses its scroll bar, if any.
  bool scrolls = g_found.size() > 1;
  QuietWindow quiet(scrolls ? candidates : 0);
  ListRedrawOff off(candidates);
  FillCandidates(candidates);
  if (*word) {
    g_candidateCount = (int)SendMessageA(candidates, LB_GETCOUNT, 0, 0);
    if (!IsWindowEnabled(candidates) != !(g_candidateCount > 1)) EnableWindow(candidates, g_candidateCount > 1);
  }
  SelectBest(popup, mainList, candidates, best);
  g_bestIndex = best;
  return result;
}
