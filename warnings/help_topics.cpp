// Help on a function of the compiler's runtime library: the topic of the
// runtime-library help file "ORVEXC.HLP" that documents a function name, and
// opening that file at a topic. The help file documents the Japanese
// multibyte functions under their own names, so the Microsoft names of the
// character functions are translated first.
#include "frame/instance.h"
#include "frame/kitlib.h"
#include "frame/sjis_case.h"
#include "runner/product_folder.h"
#include <string.h>

enum { kShowTopic = 1 }; // help command: a topic by its number

struct NamePair {
  const char *microsoftName, *helpName;
};

struct HelpTopic {
  const char *name;
  int topic;
};

// Only names with one of these prefixes are translated (case significant);
// the "_mbs" and "_mbb" pairs of the table are therefore never used.
static const char *const kTranslatedPrefixes[] = {"_ismbc", "_mbc"};

static const NamePair kNamePairs[] = {
    {"_ismbclegal", "jiszen"}, {"_ismbcl0", "jisl0"}, {"_ismbcl1", "jisl1"}, {"_ismbcl2", "jisl2"},
    {"_ismbckata", "jiskata"}, {"_ismbchira", "jishira"}, {"_ismbcsymbol", "jiskigou"}, {"_ismbcprint", "jisprint"},
    {"_mbctohira", "jtohira"}, {"_mbctokata", "jtokata"}, {"_mbctombb", "zentohan"}, {"_mbbtombc", "hantozen"},
    {"_mbcjistojms", "jistojms"}, {"_mbcjmstojis", "jmstojis"}, {"_ismbcalpha", "jisalpha"},
    {"_ismbcupper", "jisupper"}, {"_ismbclower", "jislower"}, {"_ismbcdigit", "jisdigit"},
    {"_ismbcspace", "jisspace"}, {"_mbctolower", "jtolower"}, {"_mbctoupper", "jtoupper"}, {"_mbsncpy", "jstrncpy"},
    {"_mbsncat", "jstrncat"}, {"_mbschr", "jstrchr"}, {"_mbsrchr", "jstrrchr"}, {"_mbstok", "jstrtok"},
    {"_mbsninc", "jstradv"}, {"_mbspbrk", "jstrmatch"}, {"_mbsspnp", "jstrskip"}, {"_mbsrev", "jstrrev"},
    {"_mbsstr", "jstrstr"}, {"_mbscmp", "jstrcmp"}, {"_mbsncmp", "jstrncmp"}, {"_mbslen", "jstrlen"},
    {"_mbscspn", "jstrcspn"}, {"_mbsspn", "jstrspn"}, {"_mbsset", "jstrset"}, {"_mbsnset", "jstrnset"},
    {"_mbsnccnt", "btom"}, {"_mbsnbcnt", "mtob"}, {"_mbsicmp", "jstricmp"}, {"_mbsnicmp", "jstrnicmp"},
    {"_mbsupr", "jstrupr"}, {"_mbslwr", "jstrlwr"}, {"_mbbtype", "chkctype"}, {"_mbsbtype", "nthctype"},
};

// Names are held exactly as the help file's index has them, trailing blanks
// and the doubled "_dos_getvect" included; the table ends with a row
// without a name.
static const HelpTopic kHelpTopics[] = {
    {"abort", 49000}, {"abs", 49001}, {"accert", 49002}, {"access", 49003}, {"atexit", 49004}, {"onexit", 49004},
    {"atof", 49005}, {"atoi", 49005}, {"atol", 49005}, {"bsearch", 49006}, {"btom", 49007}, {"mtob", 49007},
    {"ceil", 49008}, {"floor", 49008}, {"cgets", 49009}, {"chdir", 49010}, {"chkctype", 49011}, {"nthctype", 49011},
    {"chmod", 49012}, {"chsize", 49013}, {"clearerr", 49014}, {"close", 49015}, {"cprintf", 49016},
    {"cscanf", 49016}, {"cputs", 49017}, {"creat", 49018}, {"isalnum", 49019}, {"isalpha", 49019},
    {"isascii", 49019}, {"iscntrl", 49019}, {"iscsym", 49019}, {"iscsymf", 49019}, {"isdigit", 49019},
    {"isgraph", 49019}, {"islower", 49019}, {"isprint", 49019}, {"ispunct", 49019}, {"isspace", 49019},
    {"isupper", 49019}, {"isxdigit", 49019}, {"div", 49020}, {"ldiv", 49020}, {"_dos_allocmem", 49021},
    {"_dos_freemem", 49021}, {"_dos_setblock", 49021}, {"_dos_close", 49022}, {"_dos_creatw", 49023},
    {"_dos_creatnew", 49023}, {"_dos_findfirst", 49024}, {"_dos_findnext", 49024}, {"_dos_getdate", 49025},
    {"_dos_setdate", 49025}, {"_dos_getdiskfree", 49026}, {"_dos_getdrive", 49027}, {"_dos_setdrive", 49027},
    {"_dos_getfileatt", 49028}, {"_dos_setfileattr", 49028}, {"_dos_getftime", 49029}, {"_dos_setftime", 49029},
    {"_dos_gettimee", 49030}, {"_dos_settime", 49030}, {"_dos_getvect", 49031}, {"_dos_getvect", 49031},
    {"_dos_keep", 49032}, {"_dos_open", 49033}, {"_dos_read", 49034}, {"_dos_write", 49035}, {"dosexterr", 49036},
    {"dup2", 49037}, {"ecvt", 49038}, {"fcvt", 49038}, {"gcvt", 49038}, {"environ", 49039}, {"getenv", 49039},
    {"putenv", 49039}, {"eof", 49040}, {"errno", 49041}, {"sys_errlist", 49041}, {"sys_nerr", 49041},
    {"exec", 49042}, {"execl", 49042}, {"execle", 49042}, {"execlp", 49042}, {"execlpe", 49042}, {"execv", 49042},
    {"execve", 49042}, {"execvp", 49042}, {"execvpe", 49042}, {"exit", 49043}, {"exp", 49044}, {"log", 49044},
    {"log10", 49044}, {"pow", 49044}, {"fabs", 49045}, {"ffmod", 49045}, {"fclose", 49046}, {"fcloseall", 49046},
    {"feof", 49047}, {"ferror", 49048}, {"fflush", 49049}, {"flushall", 49049}, {"fgetpos", 49050},
    {"fsetpos", 49050}, {"filelength", 49051}, {"fileno", 49052}, {"fdopen", 49053}, {"fopen", 49053},
    {"_clear87", 49054}, {"_control87", 49054}, {"_fpreset", 49054}, {"_status87", 49054}, {"fread", 49055},
    {"fwrite", 49055}, {"fdreopen", 49056}, {"freopen", 49056}, {"frexp", 49057}, {"ldexp", 49057}, {"modf", 49057},
    {"fseek", 49058}, {"fsetbin", 49059}, {"fsettext", 49059}, {"fstat", 49060}, {"ftell", 49061}, {"ftime", 49062},
    {"fgetc ", 49063}, {"fgetchar", 49063}, {"getc ", 49063}, {"getchar", 49063}, {"getch", 49064},
    {"getche", 49064}, {"getcwd", 49065}, {"getpid", 49066}, {"fgets", 49067}, {"gets", 49067}, {"getw", 49068},
    {"gftime", 49069}, {"isatty", 49070}, {"isalkana", 49071}, {"isalnmkana", 49071}, {"isgrkana", 49071},
    {"iskana", 49071}, {"iskanji", 49071}, {"iskanji2", 49071}, {"iskmoji", 49071}, {"iskpun", 49071},
    {"ispnkana", 49071}, {"isprkana", 49071}, {"itoa", 49072}, {"ltoa", 49072}, {"ultoa", 49072},
    {"jisalpha", 49073}, {"jisdigit", 49073}, {"jiskata", 49073}, {"jisl0", 49073}, {"jisl1", 49073},
    {"jisl2", 49073}, {"jiskigou", 49073}, {"jishira", 49073}, {"jislower", 49073}, {"jisspace", 49073},
    {"jisupper", 49073}, {"jiszen", 49073}, {"jstradv", 49074}, {"jstrchr", 49075}, {"jstrrchr", 49075},
    {"jstrcmp", 49076}, {"jstrncmp", 49076}, {"jstrlen", 49077}, {"jstrmatch", 49078}, {"jstrncat", 49079},
    {"jstrncpy", 49080}, {"jstrrev", 49081}, {"jstrskip", 49082}, {"jstrstr", 49083}, {"jstrtok", 49084},
    {"jistojms", 49085}, {"jistoms", 49085}, {"jmstojis", 49085}, {"jtohira", 49085}, {"jtokata", 49085},
    {"jtolower", 49085}, {"jtoupper", 49085}, {"mstojis", 49085}, {"kbhit", 49086}, {"asctime", 49087},
    {"ctime", 49087}, {"difftime", 49087}, {"gmtime", 49087}, {"localtime", 49087}, {"mktime", 49087},
    {"lseek", 49088}, {"calloc", 49090}, {"free", 49090}, {"malloc", 49090}, {"realloc", 49090}, {"matherr", 49091},
    {"_matherr", 49091}, {"max", 49092}, {"min", 49092}, {"memccpy", 49093}, {"memchr", 49094}, {"memcmp", 49095},
    {"memicmp", 49095}, {"memcpy", 49096}, {"memmove", 49096}, {"movmem", 49096}, {"memset", 49097},
    {"setmem", 49097}, {"mkdir", 49098}, {"mktemp", 49099}, {"movedata", 49100}, {"open", 49101}, {"perror", 49102},
    {"fprintf", 49103}, {"printf", 49103}, {"sprintf", 49103}, {"fputc", 49104}, {"putc", 49104},
    {"putchar", 49104}, {"fputchar", 49104}, {"putch", 49105}, {"fputs", 49106}, {"puts", 49106}, {"putw", 49107},
    {"qsort", 49108}, {"raise", 49109}, {"rand", 49110}, {"srand", 49110}, {"read", 49111}, {"rename", 49112},
    {"rewind", 49113}, {"rmdir", 49114}, {"rmtmp", 49115}, {"_lrotl", 49116}, {"_lrotr", 49116}, {"_rotl", 49116},
    {"_rotr", 49116}, {"sbrk", 49117}, {"fscanf", 49118}, {"scanf", 49118}, {"sscanf", 49118}, {"setbuf ", 49119},
    {"setvbuf", 49119}, {"longjmp", 49120}, {"setjmp", 49120}, {"signal", 49121}, {"acos", 49122}, {"asin", 49122},
    {"atan", 49122}, {"atan2", 49122}, {"cos", 49122}, {"sin", 49122}, {"tan(atan)", 49122}, {"cosh", 49123},
    {"sinh", 49123}, {"tanh", 49123}, {"spawn", 49124}, {"spawnl", 49124}, {"spawnle", 49124}, {"spawnlp", 49124},
    {"spawnlpe", 49124}, {"spawnv", 49124}, {"spawnve", 49124}, {"spawnvp", 49124}, {"spawnvpe", 49124},
    {"sqrt", 49125}, {"stackavail", 49126}, {"stat", 49127}, {"strcat", 49128}, {"strncat", 49128},
    {"strchr", 49129}, {"strrchr", 49129}, {"strcmp", 49130}, {"strncmp", 49130}, {"stpcpy", 49131},
    {"strcpy", 49131}, {"strncpy", 49131}, {"strdup", 49132}, {"strerror", 49133}, {"strftime", 49134},
    {"strcmpi", 49135}, {"stricmp", 49135}, {"strncmpi", 49135}, {"strnicmp", 49135}, {"strlen", 49136},
    {"strlwr", 49137}, {"strupr", 49137}, {"strpbrk", 49138}, {"strrev", 49139}, {"strnset", 49140},
    {"strset", 49140}, {"strcspn", 49141}, {"strspn", 49141}, {"strstr", 49142}, {"strtod", 49143},
    {"strtok", 49144}, {"strtol", 49145}, {"strtou", 49145}, {"swab", 49146}, {"system", 49147}, {"tell", 49148},
    {"tempnam", 49149}, {"clock", 49150}, {"stime", 49150}, {"time", 49150}, {"daylight", 49151},
    {"timezone", 49151}, {"tzname", 49151}, {"tmpfile", 49152}, {"tmpnam", 49153}, {"toascii", 49154},
    {"tolower", 49155}, {"_tolower", 49155}, {"toupper", 49156}, {"_toupper", 49156}, {"ftruncate", 49157},
    {"truncate", 49157}, {"TZ", 49158}, {"tzset", 49159}, {"umask", 49160}, {"ungetc", 49161}, {"ungetch", 49162},
    {"remove", 49163}, {"unlink", 49163}, {"utime", 49164}, {"va_arg", 49165}, {"va_end", 49165},
    {"va_list", 49165}, {"va_start", 49165}, {"vfprintf", 49166}, {"vprintf", 49166}, {"vsprintf", 49166},
    {"write", 49167}, {"xprintf", 49168}, {"xscanf", 49169},
    {0, 0},
};

static bool HasTranslatedPrefix(const char *name) {
  for (const char *prefix : kTranslatedPrefixes)
    if (strncmp(name, prefix, strlen(prefix)) == 0) return true;
  return false;
}

// The help file's name for a Microsoft multibyte function, or the name itself.
// The Microsoft name is matched with ASCII letters folded.
static const char *HelpFileName(const char *name) {
  if (!HasTranslatedPrefix(name)) return name;
  for (const NamePair &pair : kNamePairs)
    if (SjisEqualNoCase(name, pair.microsoftName)) return pair.helpName;
  return name;
}

extern "C" {

// The help topic of a runtime-library function, 0 for none (or no name).
int ORVEXAPI GetHelpIdForFunctions(LPCSTR name) {
  if (!name) return 0;
  const char *helpName = HelpFileName(name);
  for (const HelpTopic *row = kHelpTopics; row->name; row++)
    if (strcmp(row->name, helpName) == 0) return row->topic;
  return 0;
}

// Opens the runtime-library help file of the product folder at `topic`.
// Always 1: whether the file could be shown is Kitlib's to tell the user.
int ORVEXAPI CallCHelpAtFunction(HWND window, int topic) {
  ShowProductHelp(window, kRuntimeHelpFile, kShowTopic, topic);
  return 1;
}
}
