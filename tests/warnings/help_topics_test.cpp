// Help on a runtime-library function: the topic of every documented name,
// the translation of the Microsoft multibyte names, the cases where letter
// case and trailing blanks matter, and opening the runtime-library help file
// (journalled by the Kitlib stand-in).
#include "host/host.h"
#include "host/journal.h"
#include "host/text_checks.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

typedef int(__stdcall *TopicLookup)(const char *name);
typedef int(__stdcall *OpenTopic)(HWND window, int topic);
typedef void(__stdcall *VoidFn)(void);
typedef const char *(__stdcall *TextFn)(void);

struct TopicNames {
  int topic;
  std::vector<const char *> names;
};

// The help file's index, by topic.
static const TopicNames kTopics[] = {
    {49000, {"abort"}}, {49001, {"abs"}}, {49002, {"accert"}}, {49003, {"access"}}, {49004, {"atexit", "onexit"}},
    {49005, {"atof", "atoi", "atol"}}, {49006, {"bsearch"}}, {49007, {"btom", "mtob"}}, {49008, {"ceil", "floor"}},
    {49009, {"cgets"}}, {49010, {"chdir"}}, {49011, {"chkctype", "nthctype"}}, {49012, {"chmod"}},
    {49013, {"chsize"}}, {49014, {"clearerr"}}, {49015, {"close"}}, {49016, {"cprintf", "cscanf"}},
    {49017, {"cputs"}}, {49018, {"creat"}},
    {49019, {"isalnum", "isalpha", "isascii", "iscntrl", "iscsym", "iscsymf", "isdigit", "isgraph", "islower",
              "isprint", "ispunct", "isspace", "isupper", "isxdigit"}},
    {49020, {"div", "ldiv"}}, {49021, {"_dos_allocmem", "_dos_freemem", "_dos_setblock"}}, {49022, {"_dos_close"}},
    {49023, {"_dos_creatw", "_dos_creatnew"}}, {49024, {"_dos_findfirst", "_dos_findnext"}},
    {49025, {"_dos_getdate", "_dos_setdate"}}, {49026, {"_dos_getdiskfree"}},
    {49027, {"_dos_getdrive", "_dos_setdrive"}}, {49028, {"_dos_getfileatt", "_dos_setfileattr"}},
    {49029, {"_dos_getftime", "_dos_setftime"}}, {49030, {"_dos_gettimee", "_dos_settime"}},
    {49031, {"_dos_getvect", "_dos_getvect"}}, {49032, {"_dos_keep"}}, {49033, {"_dos_open"}},
    {49034, {"_dos_read"}}, {49035, {"_dos_write"}}, {49036, {"dosexterr"}}, {49037, {"dup2"}},
    {49038, {"ecvt", "fcvt", "gcvt"}}, {49039, {"environ", "getenv", "putenv"}}, {49040, {"eof"}},
    {49041, {"errno", "sys_errlist", "sys_nerr"}},
    {49042, {"exec", "execl", "execle", "execlp", "execlpe", "execv", "execve", "execvp", "execvpe"}},
    {49043, {"exit"}}, {49044, {"exp", "log", "log10", "pow"}}, {49045, {"fabs", "ffmod"}},
    {49046, {"fclose", "fcloseall"}}, {49047, {"feof"}}, {49048, {"ferror"}}, {49049, {"fflush", "flushall"}},
    {49050, {"fgetpos", "fsetpos"}}, {49051, {"filelength"}}, {49052, {"fileno"}}, {49053, {"fdopen", "fopen"}},
    {49054, {"_clear87", "_control87", "_fpreset", "_status87"}}, {49055, {"fread", "fwrite"}},
    {49056, {"fdreopen", "freopen"}}, {49057, {"frexp", "ldexp", "modf"}}, {49058, {"fseek"}},
    {49059, {"fsetbin", "fsettext"}}, {49060, {"fstat"}}, {49061, {"ftell"}}, {49062, {"ftime"}},
    {49063, {"fgetc ", "fgetchar", "getc ", "getchar"}}, {49064, {"getch", "getche"}}, {49065, {"getcwd"}},
    {49066, {"getpid"}}, {49067, {"fgets", "gets"}}, {49068, {"getw"}}, {49069, {"gftime"}}, {49070, {"isatty"}},
    {49071, {"isalkana", "isalnmkana", "isgrkana", "iskana", "iskanji", "iskanji2", "iskmoji", "iskpun", "ispnkana",
              "isprkana"}},
    {49072, {"itoa", "ltoa", "ultoa"}},
    {49073, {"jisalpha", "jisdigit", "jiskata", "jisl0", "jisl1", "jisl2", "jiskigou", "jishira", "jislower",
              "jisspace", "jisupper", "jiszen"}},
    {49074, {"jstradv"}}, {49075, {"jstrchr", "jstrrchr"}}, {49076, {"jstrcmp", "jstrncmp"}}, {49077, {"jstrlen"}},
    {49078, {"jstrmatch"}}, {49079, {"jstrncat"}}, {49080, {"jstrncpy"}}, {49081, {"jstrrev"}},
    {49082, {"jstrskip"}}, {49083, {"jstrstr"}}, {49084, {"jstrtok"}},
    {49085, {"jistojms", "jistoms", "jmstojis", "jtohira", "jtokata", "jtolower", "jtoupper", "mstojis"}},
    {49086, {"kbhit"}}, {49087, {"asctime", "ctime", "difftime", "gmtime", "localtime", "mktime"}},
    {49088, {"lseek"}}, {49090, {"calloc", "free", "malloc", "realloc"}}, {49091, {"matherr", "_matherr"}},
    {49092, {"max", "min"}}, {49093, {"memccpy"}}, {49094, {"memchr"}}, {49095, {"memcmp", "memicmp"}},
    {49096, {"memcpy", "memmove", "movmem"}}, {49097, {"memset", "setmem"}}, {49098, {"mkdir"}},
    {49099, {"mktemp"}}, {49100, {"movedata"}}, {49101, {"open"}}, {49102, {"perror"}},
    {49103, {"fprintf", "printf", "sprintf"}}, {49104, {"fputc", "putc", "putchar", "fputchar"}},
    {49105, {"putch"}}, {49106, {"fputs", "puts"}}, {49107, {"putw"}}, {49108, {"qsort"}}, {49109, {"raise"}},
    {49110, {"rand", "srand"}}, {49111, {"read"}}, {49112, {"rename"}}, {49113, {"rewind"}}, {49114, {"rmdir"}},
    {49115, {"rmtmp"}}, {49116, {"_lrotl", "_lrotr", "_rotl", "_rotr"}}, {49117, {"sbrk"}},
    {49118, {"fscanf", "scanf", "sscanf"}}, {49119, {"setbuf ", "setvbuf"}}, {49120, {"longjmp", "setjmp"}},
    {49121, {"signal"}}, {49122, {"acos", "asin", "atan", "atan2", "cos", "sin", "tan(atan)"}},
    {49123, {"cosh", "sinh", "tanh"}},
    {49124, {"spawn", "spawnl", "spawnle", "spawnlp", "spawnlpe", "spawnv", "spawnve", "spawnvp", "spawnvpe"}},
    {49125, {"sqrt"}}, {49126, {"stackavail"}}, {49127, {"stat"}}, {49128, {"strcat", "strncat"}},
    {49129, {"strchr", "strrchr"}}, {49130, {"strcmp", "strncmp"}}, {49131, {"stpcpy", "strcpy", "strncpy"}},
    {49132, {"strdup"}}, {49133, {"strerror"}}, {49134, {"strftime"}},
    {49135, {"strcmpi", "stricmp", "strncmpi", "strnicmp"}}, {49136, {"strlen"}}, {49137, {"strlwr", "strupr"}},
    {49138, {"strpbrk"}}, {49139, {"strrev"}}, {49140, {"strnset", "strset"}}, {49141, {"strcspn", "strspn"}},
    {49142, {"strstr"}}, {49143, {"strtod"}}, {49144, {"strtok"}}, {49145, {"strtol", "strtou"}}, {49146, {"swab"}},
    {49147, {"system"}}, {49148, {"tell"}}, {49149, {"tempnam"}}, {49150, {"clock", "stime", "time"}},
    {49151, {"daylight", "timezone", "tzname"}}, {49152, {"tmpfile"}}, {49153, {"tmpnam"}}, {49154, {"toascii"}},
    {49155, {"tolower", "_tolower"}}, {49156, {"toupper", "_toupper"}}, {49157, {"ftruncate", "truncate"}},
    {49158, {"TZ"}}, {49159, {"tzset"}}, {49160, {"umask"}}, {49161, {"ungetc"}}, {49162, {"ungetch"}},
    {49163, {"remove", "unlink"}}, {49164, {"utime"}}, {49165, {"va_arg", "va_end", "va_list", "va_start"}},
    {49166, {"vfprintf", "vprintf", "vsprintf"}}, {49167, {"write"}}, {49168, {"xprintf"}}, {49169, {"xscanf"}},
};

static int Lookup(const char *name) {
  char *guarded = GuardedReadOnlyText(name);
  int topic = NeedHostProc<TopicLookup>("GetHelpIdForFunctions")(guarded);
  FreeGuarded(guarded);
  return topic;
}

TEST(HelpTopics, EveryIndexedNameHasItsTopic) {
  size_t rows = 0;
  for (const TopicNames &group : kTopics)
    for (const char *name : group.names) {
      rows++;
      EXPECT_EQ(Lookup(name), group.topic) << "\"" << name << "\"";
    }
  EXPECT_EQ(rows, 335u);
  EXPECT_EQ(Lookup("abort"), 49000);  // first row
  EXPECT_EQ(Lookup("xscanf"), 49169); // last row
}

// Only names beginning with "_ismbc" or "_mbc" (letter case significant) are
// translated, the rest of the name with letter case ignored; the topic
// lookup itself respects case and blanks.
TEST(HelpTopics, LookupCases) {
  static const struct {
    const char *name;
    int topic;
  } cases[] = {
      {"_ismbclegal", 49073}, {"_ismbcLEGAL", 49073}, {"_ISMBCLEGAL", 0},     {"_Ismbclegal", 0},
      {"_ismbcl0", 49073},    {"_ismbcl2", 49073},    {"_ismbckata", 49073},  {"_ismbchira", 49073},
      {"_ismbcsymbol", 49073}, {"_ismbcAlpha", 49073}, {"_ismbcupper", 49073}, {"_ismbcspace", 49073},
      {"_ismbcprint", 0},     {"jisprint", 0},        // translated, but no row for the help name
      {"_mbctohira", 49085},  {"_mbcToKata", 49085},  {"_mbcjistojms", 49085}, {"_mbcjmstojis", 49085},
      {"_mbctolower", 49085}, {"_mbctoupper", 49085}, {"_MBCtoupper", 0},
      {"_mbctombb", 0},       {"zentohan", 0},        // likewise
      {"_mbsstr", 0},         {"jstrstr", 49083},     {"_mbsnccnt", 0},       {"btom", 49007},
      {"_mbbtype", 0},        {"chkctype", 49011},    {"_mbbtombc", 0},       // never translated
      {"_ismbc", 0},          {"_mbc", 0},            {"_ismbclegalx", 0},    {"_ismbcl", 0},
      {"Printf", 0},          {"printf", 49103},      {"PRINTF", 0},          {"printf ", 0},
      {"fgetc", 0},           {"fgetc ", 49063},      {"fgetchar", 49063},    {"getc", 0},
      {"setbuf", 0},          {"setbuf ", 49119},     {"_dos_getvect", 49031}, {"tan(atan)", 49122},
      {"TZ", 49158},          {"tz", 0},              {"", 0},                {" ", 0},
      {"_ismbcl\x82\x4f", 0}, {"_mbc\x83", 0},        {"\x83\x41", 0},
  };
  for (const auto &c : cases) EXPECT_EQ(Lookup(c.name), c.topic) << "\"" << c.name << "\"";
  EXPECT_EQ(NeedHostProc<TopicLookup>("GetHelpIdForFunctions")(0), 0);
}

// The runtime-library help file of the product folder is asked for at the
// topic (help command 1), and the call answers 1 though the file is missing.
TEST(HelpTopics, OpensTheRuntimeHelpFileAtATopic) {
  NeedHostProc<VoidFn>("SetOrvexDirectory")();
  std::string path = std::string(NeedHostProc<TextFn>("GetOrvexDirectory")()) + "\\ORVEXC.HLP";
  ASSERT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " should not exist here";
  auto open = NeedHostProc<OpenTopic>("CallCHelpAtFunction");
  static const struct {
    HWND window;
    int topic;
  } cases[] = {{0, 49103}, {reinterpret_cast<HWND>(0x1234), 49000}, {0, 0}, {0, -1}};
  std::vector<std::string> expected;
  JournalClear();
  for (const auto &c : cases) {
    EXPECT_EQ(open(c.window, c.topic), 1);
    expected.push_back(JournalLine({"help", "1", std::to_string(c.topic), path}));
  }
  ExpectSameSequence(expected, JournalLines(), "help requests");
  JournalClear();
}
