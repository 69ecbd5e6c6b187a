// Plays the compiler for the runner's tests: carries out its arguments in
// order, each an operation named by its first letter.
//   o<text>  write text to standard output     e<text>  ... to standard error
//            text escapes: \xHH \n \r \t \0, \s a blank, \q a double quote,
//            a doubled backslash one backslash
//   n<count> write count bytes 0,1,...,255,0,1,... to standard output, fast
//   s<ms>    sleep                             x<code>  exit with that code
//   g<ms>    start a grandchild that holds the output open for ms, and write
//            "G<its process id>\n"; "g<ms>+<op>+<op>..." lets the grandchild
//            carry out those operations after the pause
//   p        write "P<own process id>\n"
//   t        write "T<console title>\n"
//   q        write "Q<performance counter>\n", read right before the write
//   f<path>  write the file's bytes to standard output, a line at a time with
//            a short pause between lines (as a compiler reports)
// Writes go straight to the handles, unbuffered, so every byte leaves at once.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>

static int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

static std::string Unescape(const char *text) {
  std::string bytes;
  for (const char *p = text; *p; p++) {
    if (*p != '\\' || !p[1]) {
      bytes += *p;
      continue;
    }
    switch (*++p) {
    case 'x':
      if (p[1] && p[2]) {
        bytes += (char)(HexDigit(p[1]) * 16 + HexDigit(p[2]));
        p += 2;
      }
      break;
    case 'n': bytes += '\n'; break;
    case 'r': bytes += '\r'; break;
    case 't': bytes += '\t'; break;
    case '0': bytes += '\0'; break;
    case 's': bytes += ' '; break;
    case 'q': bytes += '"'; break;
    default: bytes += *p; break;
    }
  }
  return bytes;
}

static void Write(DWORD which, const std::string &bytes) {
  DWORD written;
  WriteFile(GetStdHandle(which), bytes.data(), (DWORD)bytes.size(), &written, 0);
}

static void WritePattern(long count) {
  char block[4096];
  for (long done = 0; done < count;) {
    long chunk = count - done < (long)sizeof block ? count - done : (long)sizeof block;
    for (long i = 0; i < chunk; i++) block[i] = (char)((done + i) & 0xFF);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), block, (DWORD)chunk, &written, 0);
    done += chunk;
  }
}

static void WriteFileLines(const char *path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string bytes;
  char chunk[4096];
  DWORD got;
  while (ReadFile(file, chunk, sizeof chunk, &got, 0) && got) bytes.append(chunk, got);
  CloseHandle(file);
  for (size_t start = 0; start < bytes.size();) {
    size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    Write(STD_OUTPUT_HANDLE, bytes.substr(start, end - start));
    start = end;
    Sleep(40);
  }
}

static void StartGrandchild(const char *operations) {
  char self[MAX_PATH];
  GetModuleFileNameA(0, self, MAX_PATH);
  std::string line = "\"" + std::string(self) + "\" s" + operations;
  for (char &c : line)
    if (c == '+') c = ' ';
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started;
  if (!CreateProcessA(0, &line[0], 0, 0, TRUE, 0, 0, 0, &startup, &started)) return;
  Write(STD_OUTPUT_HANDLE, "G" + std::to_string(started.dwProcessId) + "\n");
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

int main(int argc, char **argv) {
  int exitCode = 0;
  for (int i = 1; i < argc; i++) {
    const char *value = argv[i] + 1;
    switch (argv[i][0]) {
    case 'o': Write(STD_OUTPUT_HANDLE, Unescape(value)); break;
    case 'e': Write(STD_ERROR_HANDLE, Unescape(value)); break;
    case 'n': WritePattern(atol(value)); break;
    case 's': Sleep((DWORD)atol(value)); break;
    case 'x': exitCode = atoi(value); break;
    case 'g': StartGrandchild(value); break;
    case 'f': WriteFileLines(value); break;
    case 'q': {
      LARGE_INTEGER now;
      QueryPerformanceCounter(&now);
      Write(STD_OUTPUT_HANDLE, "Q" + std::to_string(now.QuadPart) + "\n");
      break;
    }
    case 't': {
      char title[512] = "";
      GetConsoleTitleA(title, sizeof title);
      Write(STD_OUTPUT_HANDLE, std::string("T") + title + "\n");
      break;
    }
    case 'p': Write(STD_OUTPUT_HANDLE, "P" + std::to_string(GetCurrentProcessId()) + "\n"); break;
    }
  }
  return exitCode;
}
