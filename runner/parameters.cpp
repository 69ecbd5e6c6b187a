// Parsing of the runner's parameters: the argument vector the host hands over
// (program, console title, main list, up to two follow-up steps), the fields
// of the main list, the working list and the command line.
//
// The runner works on copies of the host's texts, never on the host's own
// memory. Every bound is checked before anything starts: the title, the
// results-file path and each command line of the chain fit 256 bytes, each
// working list 19 entries; a longer input is refused with the usage message
// rather than cut into a different command.
#include "runner/runner_internal.h"
#include "frame/kitlib.h"
#include "frame/shift_jis.h"
#include <io.h>
#include <stdlib.h>
#include <string.h>

static const char kDefaultTitle[] = "Compiling: Orvex Studio";
enum {
  VECTOR_SLOTS = 20,                       // program, title, main list, steps, null
  MAIN_FIELDS = 5 + LIST_SLOTS - 1,        // fields 1 to 5 and a full working list
};

static char *CopyText(const char *text) {
  size_t size = strlen(text) + 1;
  char *copy = (char *)malloc(size);
  if (copy) memcpy(copy, text, size);
  return copy;
}

// Splits text at each separator into slots (at most capacity). Splitting ends
// at the end of the text or at the first empty field, which counts as an entry
// but is not written. Answers the number of entries, or -1 when a field did not
// fit. Walks by characters so that a trail byte is never taken for a separator.
static int SplitFields(char *text, char separator, char **slots, int capacity) {
  int count = 0;
  char *p = text;
  for (;;) {
    char *start = p;
    while (*p && *p != separator) p = SjisNext(p);
    if (p == start) return count + 1;
    if (count == capacity) return -1;
    slots[count++] = start;
    if (!*p) return count;
    *p++ = 0;
  }
}

int BuildCommandLine(char *const *list, char *line, size_t size) {
  size_t used = 0;
  line[0] = 0;
  for (int i = 0; i < LIST_SLOTS && list[i]; i++) {
    size_t length = strlen(list[i]);
    if (used + (i ? 1 : 0) + length >= size) {
      line[0] = 0;
      return 0;
    }
    if (i) line[used++] = ' ';
    memcpy(line + used, list[i], length + 1);
    used += length;
  }
  return 1;
}

static int SplitStep(RunPlan *plan, char *step) {
  ZeroMemory(plan->list, sizeof plan->list);
  plan->values = 0;
  if (!step || !step[0]) return 1;
  if (SplitFields(step + 1, plan->separator, plan->list, LIST_SLOTS - 1) < 0) return 0;
  // '?' is below every Shift-JIS trail byte: a byte search is safe.
  char *mark = step[0] == '1' && plan->list[2] ? strchr(plan->list[2], '?') : 0;
  if (mark) {
    *mark = 0;
    plan->values = mark + 1;
  }
  return 1;
}

void PlanSplitStep(RunPlan *plan, char *step) { SplitStep(plan, step); }

int PlanNextValue(RunPlan *plan) {
  char *value = plan->values;
  if (!value || !*value) {
    plan->values = 0;
    return 0;
  }
  char *mark = strchr(value, '?');
  if (mark) *mark = 0;
  plan->values = mark ? mark + 1 : 0;
  plan->list[2] = value;
  return 1;
}

// Whether a step that may run fits: at most 19 fields, and the command line of
// each of its values within the buffer. Tried on a scratch copy.
static int StepFits(const char *step, char separator, int kindAllowed) {
  if (!step || !kindAllowed) return 1;
  char *scratch = CopyText(step);
  if (!scratch) return 0;
  RunPlan trial;
  ZeroMemory(&trial, sizeof trial);
  trial.separator = separator;
  char line[TEXT_BUFFER];
  int fits = SplitStep(&trial, scratch) && BuildCommandLine(trial.list, line, sizeof line);
  while (fits && PlanNextValue(&trial)) fits = BuildCommandLine(trial.list, line, sizeof line);
  free(scratch);
  return fits;
}

static void PrintUsage(int language) {
  const char *text = language & 1 ? "単独利用はできません。\n" : "cannot be used outside an application.\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written;
  if (out && out != INVALID_HANDLE_VALUE) WriteFile(out, text, (DWORD)strlen(text), &written, 0);
}

static int IsDummy(const char *field) { return field && lstrcmpiA(field, "DUMMY") == 0; }

// Field 6 in double quotes is tested without them: the text between the first
// and the last quote.
static int ExecutableExists(const char *field) {
  char path[TEXT_BUFFER];
  size_t length = strlen(field);
  const char *start = field;
  if (field[0] == '"') {
    const char *last = strrchr(field, '"');
    start = field + 1;
    length = last > field ? (size_t)(last - start) : 0;
  }
  if (length >= sizeof path) return 0;
  memcpy(path, start, length);
  path[length] = 0;
  return _access(path, 0) == 0;
}

// " (name)" behind the title, when it fits whole.
static void AppendFileName(char *title, char *field) {
  char name[TEXT_BUFFER];
  lstrcpynA(name, GetFileName(0, field), sizeof name);
  size_t length = strlen(name);
  if (length && name[length - 1] == '"') name[length - 1] = 0;
  if (strlen(title) + strlen(name) + 3 < TEXT_BUFFER) {
    strcat(title, " (");
    strcat(title, name);
    strcat(title, ")");
  }
}

// Takes the title out of the vector; 0 when it does not fit its buffer.
static int TakeTitle(char **vector, char *title) {
  lstrcpyA(title, kDefaultTitle);
  if (!vector[1]) return 1;
  int fits = strlen(vector[1]) < TEXT_BUFFER;
  if (fits) {
    lstrcpyA(title, vector[1]);
    ReplaceAlertBellBySpace(title);
  }
  memmove(vector + 1, vector + 2, sizeof(char *) * (VECTOR_SLOTS - 2));
  vector[VECTOR_SLOTS - 1] = 0;
  return fits;
}

// Copies the main list and the steps and turns BEL back into blanks and TAB
// into double quotes (for the main list only when the first answer allows).
static int RestoreTexts(char **vector, RunPlan *plan) {
  for (int i = 0; i < 3; i++) {
    if (!vector[1 + i]) continue;
    plan->copies[i] = CopyText(vector[1 + i]);
    if (!plan->copies[i]) return 0;
    int restored = ReplaceAlertBellBySpace(plan->copies[i]);
    if (restored || i > 0) ReplaceTabBy95QuotationMark(plan->copies[i]);
  }
  plan->steps[0] = plan->copies[1];
  plan->steps[1] = plan->copies[1] ? plan->copies[2] : 0;
  return 1;
}

static int CreateResultsFile(RunPlan *plan, const char *path) {
  plan->results = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 0,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
  if (plan->results != INVALID_HANDLE_VALUE) return 1;
  plan->results = 0;
  return 0;
}

// Everything the main list and the steps ask for fits its buffer.
static int WithinBounds(RunPlan *plan, char **fields, int entries) {
  if (entries < 0) return 0;
  if (fields[4] && strlen(fields[4]) >= TEXT_BUFFER) return 0;
  char *list[LIST_SLOTS] = {0};
  for (int i = 5; i < entries - 1 && i < MAIN_FIELDS && fields[i]; i++) list[i - 5] = fields[i];
  char line[TEXT_BUFFER];
  if (!BuildCommandLine(list, line, sizeof line)) return 0;
  char **steps = plan->steps;
  return StepFits(steps[0], plan->separator, steps[0] && (steps[0][0] == '1' || steps[0][0] == '2')) &&
         StepFits(steps[1], plan->separator, steps[1] && steps[1][0] == '2');
}

int ParseRunParameters(int argc, char **argv, RunPlan *plan) {
  char *vector[VECTOR_SLOTS];
  int count = GetCmdlineParamForExecuteByMyMain(argc, argv, vector, VECTOR_SLOTS);
  int fits = count < VECTOR_SLOTS;
  fits &= TakeTitle(vector, plan->title);
  int language = 1; // the usage message is Japanese until field 3 is read
  if (!vector[1]) {
    PrintUsage(language);
    return 0;
  }
  if (!RestoreTexts(vector, plan)) return 0;

  char *main = plan->copies[0];
  char *fields[MAIN_FIELDS] = {0};
  plan->separator = main[0];
  int fieldCount = main[0] ? SplitFields(main + 1, main[0], fields, MAIN_FIELDS) : 0;
  int entries = fieldCount < 0 ? -1 : fieldCount + 1; // the program entry in front
  if (fields[0]) RunnerSetWindow((HWND)(ULONG_PTR)__fatolu(fields[0]));
  if (fields[1]) RunnerSetMessage(__fatolu(fields[1]));
  if (IsDummy(fields[5])) fields[5] = 0;
  if (fields[2]) language = atoi(fields[2]);

  if (entries < 0 || entries < 7 || !fits || !WithinBounds(plan, fields, entries)) {
    PrintUsage(language);
    return 0;
  }
  char *executable = fields[5];
  if (executable && !ExecutableExists(executable)) {
    RunnerNotify(10, 0);
    return 0;
  }
  if (executable) AppendFileName(plan->title, executable);
  plan->fileMode = strcmp(fields[3], "*_*") == 0;
  const char *results = IsDummy(fields[4]) ? 0 : fields[4];
  for (int i = 5; i < entries - 1 && i < MAIN_FIELDS; i++) plan->list[i - 5] = fields[i];
  plan->list[0] = executable;
  if (!plan->list[0] || !plan->list[0][0]) {
    RunnerNotify(37, 0);
    return 0;
  }
  if (results && !CreateResultsFile(plan, results)) {
    RunnerNotify(13, 0);
    return 0;
  }
  return 1;
}

void PlanRelease(RunPlan *plan) {
  if (plan->results) CloseHandle(plan->results);
  for (char *copy : plan->copies) free(copy);
  ZeroMemory(plan, sizeof *plan);
}
