// Plays the elevated helper: writes its command line, without its own
// program name, to "args.txt" in its own folder, so a test can see the
// options it was started with.
#include <windows.h>
#include <stdio.h>
#include <string.h>

// The command line after the program name and the blanks that follow it.
static const char *Options(const char *line) {
  if (*line == '"') {
    const char *end = strchr(line + 1, '"');
    line = end ? end + 1 : line + strlen(line);
  } else {
    while (*line && *line != ' ' && *line != '\t') line++;
  }
  while (*line == ' ' || *line == '\t') line++;
  return line;
}

int main() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(0, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 2;
  strcpy(strrchr(path, '\\') + 1, "args.txt");
  FILE *out = fopen(path, "wb");
  if (!out) return 3;
  fputs(Options(GetCommandLineA()), out);
  fclose(out);
  return 0;
}
