// Help on a runtime-library function: the topic of every indexed name, the
// translated multibyte names, letter case and blanks, and opening the help
// file (journalled by the Kitlib stand-in).
#include "host/host.h"
#include "host/journal.h"
#include "host/text_checks.h"
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

typedef int(__stdcall *TopicLookup)(const char *name);

// The help file's index: topic 49000 + position, its names split by '|'
// (trailing blanks belong to the name; 49089 has none).
static const char *const kTopics[] = {
    "abort", "abs", "accert", "access", "atexit|onexit", "atof|atoi|atol", "bsearch", "btom|mtob", "ceil|floor",
    "cgets", "chdir", "chkctype|nthctype", "chmod", "chsize", "clearerr", "close", "cprintf|cscanf", "cputs", "creat",
    "isalnum|isalpha|isascii|iscntrl|iscsym|iscsymf|isdigit|isgraph|islower|isprint|ispunct|isspace|isupper|isxdigit",
    "div|ldiv", "_dos_allocmem|_dos_freemem|_dos_setblock", "_dos_close", "_dos_creatw|_dos_creatnew",
    "_dos_findfirst|_dos_findnext", "_dos_getdate|_dos_setdate", "_dos_getdiskfree", "_dos_getdrive|_dos_setdrive",
    "_dos_getfileatt|_dos_setfileattr", "_dos_getftime|_dos_setftime", "_dos_gettimee|_dos_settime",
    "_dos_getvect|_dos_getvect", "_dos_keep", "_dos_open", "_dos_read", "_dos_write", "dosexterr", "dup2",
    "ecvt|fcvt|gcvt", "environ|getenv|putenv", "eof", "errno|sys_errlist|sys_nerr",
    "exec|execl|execle|execlp|execlpe|execv|execve|execvp|execvpe", "exit", "exp|log|log10|pow", "fabs|ffmod",
    "fclose|fcloseall", "feof", "ferror", "fflush|flushall", "fgetpos|fsetpos", "filelength", "fileno",
    "fdopen|fopen", "_clear87|_control87|_fpreset|_status87", "fread|fwrite", "fdreopen|freopen", "frexp|ldexp|modf",
    "fseek", "fsetbin|fsettext", "fstat", "ftell", "ftime", "fgetc |fgetchar|getc |getchar", "getch|getche", "getcwd",
    "getpid", "fgets|gets", "getw", "gftime", "isatty",
    "isalkana|isalnmkana|isgrkana|iskana|iskanji|iskanji2|iskmoji|iskpun|ispnkana|isprkana", "itoa|ltoa|ultoa",
    "jisalpha|jisdigit|jiskata|jisl0|jisl1|jisl2|jiskigou|jishira|jislower|jisspace|jisupper|jiszen", "jstradv",
    "jstrchr|jstrrchr", "jstrcmp|jstrncmp", "jstrlen", "jstrmatch", "jstrncat", "jstrncpy", "jstrrev", "jstrskip",
    "jstrstr", "jstrtok", "jistojms|jistoms|jmstojis|jtohira|jtokata|jtolower|jtoupper|mstojis", "kbhit",
    "asctime|ctime|difftime|gmtime|localtime|mktime", "lseek", "", "calloc|free|malloc|realloc", "matherr|_matherr",
    "max|min", "memccpy", "memchr", "memcmp|memicmp", "memcpy|memmove|movmem", "memset|setmem", "mkdir", "mktemp",
    "movedata", "open", "perror", "fprintf|printf|sprintf", "fputc|putc|putchar|fputchar", "putch", "fputs|puts",
    "putw", "qsort", "raise", "rand|srand", "read", "rename", "rewind", "rmdir", "rmtmp", "_lrotl|_lrotr|_rotl|_rotr",
    "sbrk", "fscanf|scanf|sscanf", "setbuf |setvbuf", "longjmp|setjmp", "signal",
    "acos|asin|atan|atan2|cos|sin|tan(atan)", "cosh|sinh|tanh",
    "spawn|spawnl|spawnle|spawnlp|spawnlpe|spawnv|spawnve|spawnvp|spawnvpe", "sqrt", "stackavail", "stat",
    "strcat|strncat", "strchr|strrchr", "strcmp|strncmp", "stpcpy|strcpy|strncpy", "strdup", "strerror", "strftime",
    "strcmpi|stricmp|strncmpi|strnicmp", "strlen", "strlwr|strupr", "strpbrk", "strrev", "strnset|strset",
    "strcspn|strspn", "strstr", "strtod", "strtok", "strtol|strtou", "swab", "system", "tell", "tempnam",
    "clock|stime|time", "daylight|timezone|tzname", "tmpfile", "tmpnam", "toascii", "tolower|_tolower",
    "toupper|_toupper", "ftruncate|truncate", "TZ", "tzset", "umask", "ungetc", "ungetch", "remove|unlink", "utime",
    "va_arg|va_end|va_list|va_start", "vfprintf|vprintf|vsprintf", "write", "xprintf", "xscanf",
};

static int Lookup(const char *name) {
  char *guarded = GuardedReadOnlyText(name);
  int topic = NeedHostProc<TopicLookup>("GetHelpIdForFunctions")(guarded);
  FreeGuarded(guarded);
  return topic;
}

TEST(HelpTopics, EveryIndexedNameHasItsTopic) {
  ASSERT_EQ(sizeof kTopics / sizeof *kTopics, 170u);
  size_t names = 0;
  for (int i = 0; i < 170; i++) {
    std::istringstream list(kTopics[i]);
    for (std::string name; std::getline(list, name, '|'); names++)
      EXPECT_EQ(Lookup(name.c_str()), 49000 + i) << "\"" << name << "\"";
  }
  EXPECT_EQ(names, 335u);
}

// Only names beginning "_ismbc" or "_mbc" (that case) are translated, the
// rest with case ignored; the lookup itself respects case and blanks.
TEST(HelpTopics, LookupCases) {
  static const struct { const char *name; int topic; } cases[] = {
      {"_ismbclegal", 49073}, {"_ismbcLEGAL", 49073}, {"_ISMBCLEGAL", 0},   {"_ismbcl0", 49073},
      {"_ismbcprint", 0},     {"_mbctohira", 49085},  {"_mbcToKata", 49085}, {"_MBCtoupper", 0},
      {"_mbctombb", 0},       {"_mbsstr", 0},         {"_ismbc", 0},        {"_mbc", 0},
      {"_ismbclegalx", 0},    {"PRINTF", 0},          {"printf ", 0},       {"fgetc", 0},
      {"tz", 0},              {"", 0},                {"_ismbcl\x82\x4f", 0}, {"_mbc\x83", 0},
  };
  for (const auto &c : cases) EXPECT_EQ(Lookup(c.name), c.topic) << "\"" << c.name << "\"";
  EXPECT_EQ(NeedHostProc<TopicLookup>("GetHelpIdForFunctions")(0), 0);
}

// The help file of the product folder is asked for at the topic (command 1);
// the call answers 1 though the file is missing.
TEST(HelpTopics, OpensTheRuntimeHelpFileAtATopic) {
  NeedHostProc<void(__stdcall *)(void)>("SetOrvexDirectory")();
  std::string path = std::string(NeedHostProc<const char *(__stdcall *)(void)>("GetOrvexDirectory")()) + "\\ORVEXC.HLP";
  ASSERT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
  auto open = NeedHostProc<int(__stdcall *)(HWND, int)>("CallCHelpAtFunction");
  JournalClear();
  EXPECT_EQ(open(0, 49103), 1);
  EXPECT_EQ(open(reinterpret_cast<HWND>(0x1234), -1), 1);
  ExpectSameSequence({JournalLine({"help", "1", "49103", path}), JournalLine({"help", "1", "-1", path})},
                     JournalLines(), "help requests");
  JournalClear();
}
