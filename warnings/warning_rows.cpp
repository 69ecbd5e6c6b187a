// The 97 warnings the IDE knows, W8000 to W8097 without W8088, each with its
// keys, switches, description and states. The table ends in a row of zeros.
// Only the states change at run time; the host's user-interface thread is
// the only caller, so they are plain globals without locks.
#include "warnings/warning_table.h"
#include "frame/kitlib.h"

// A warning is on by default exactly when its description starts with "(*)".
static constexpr int DefaultOf(const char *description) {
  return description[0] == '(' && description[1] == '*' && description[2] == ')';
}

#define WARNING_ROW(code, description)                                                              \
  {"警告 W" #code, "Warning W" #code, "-w" #code, "-w-" #code, DefaultOf(description), DefaultOf(description), \
   "", description, -1}

// States written by the host's user-interface thread only.
static WarningRow g_warningRows[] = {
    WARNING_ROW(8000, "Ambiguous operators need parentheses"),
    WARNING_ROW(8001, "Superfluous & with function"),
    WARNING_ROW(8002, "(*)Restarting compile using assembly"),
    WARNING_ROW(8003, "Unknown assembler instruction"),
    WARNING_ROW(8004, "(*)'identifier' is assigned a value that is never used"),
    WARNING_ROW(8005, "Bit fields must be signed or unsigned int"),
    WARNING_ROW(8006, "(*)Initializing 'identifier' with 'identifier'"),
    WARNING_ROW(8007, "(*)Hexadecimal value contains more than three digits"),
    WARNING_ROW(8008, "(*)Condition is always true OR Condition is always false"),
    WARNING_ROW(8009, "Constant is long"),
    WARNING_ROW(8010, "(*)Continuation character \\ found in // comment"),
    WARNING_ROW(8011, "(*)Nonportable pointer comparison"),
    WARNING_ROW(8012, "(*)Comparing signed and unsigned values"),
    WARNING_ROW(8013, "Possible use of 'identifier' before definition"),
    WARNING_ROW(8014, "(*)Declaration ignored"),
    WARNING_ROW(8015, "(*)Declare 'type' prior to use in prototype"),
    WARNING_ROW(8016, "(*)Array size for 'delete' ignored"),
    WARNING_ROW(8017, "(*)Redefinition of 'macro' is not identical"),
    WARNING_ROW(8018, "(*)Assigning 'type' to 'enum'"),
    WARNING_ROW(8019, "(*)Code has no effect"),
    WARNING_ROW(8020, "(*)'identifier' is declared as both external and static"),
    WARNING_ROW(8021, "(*)Handler for 'type1' hidden by previous handler for 'type2'"),
    WARNING_ROW(8022, "(*)'function1' hides virtual function 'function2'"),
    WARNING_ROW(8023, "(*)Array variable 'identifier' is near"),
    WARNING_ROW(8024, "(*)Base class 'class1' is also a base class of 'class2'"),
    WARNING_ROW(8025, "(*)Ill-formed pragma"),
    WARNING_ROW(8026, "(*)Functions containing 'statement' are not expanded inline"),
    WARNING_ROW(8027, "(*)Functions containing reserved words are not expanded inline"),
    WARNING_ROW(8028, "(*)Temporary used to initialize 'identifier'"),
    WARNING_ROW(8029, "(*)Temporary used for parameter 'parameter'"),
    WARNING_ROW(8030, "(*)Temporary used for parameter 'parameter' in call to 'function'"),
    WARNING_ROW(8031, "(*)Temporary used for parameter <number>"),
    WARNING_ROW(8032, "(*)Temporary used for parameter <number> in call to 'function'"),
    WARNING_ROW(8033, "(*)Conversion to 'type' fails for members of virtual base 'base'"),
    WARNING_ROW(8034, "(*)Maximum percision used for member pointer type 'type'"),
    WARNING_ROW(8035, "(*)"),
    WARNING_ROW(8036, "Non-ANSI Keyword Used 'keyword'"),
    WARNING_ROW(8037, "(*)Non-const function 'function' called for const object"),
    WARNING_ROW(8038, "(*)Constant member 'member' is not initialized"),
    WARNING_ROW(8039, "(*)Constructor initializer list ignored"),
    WARNING_ROW(8040, "(*)Function body ignored"),
    WARNING_ROW(8041, "(*)Negating unsigned value"),
    WARNING_ROW(8042, "(*)Initializer for object 'identifier' ignored"),
    WARNING_ROW(8043, "(*)Macro definition ignored"),
    WARNING_ROW(8044, "(*)#undef directive ignored"),
    WARNING_ROW(8045, "No declaration for function 'function'"),
    WARNING_ROW(8046, "(*)Pragma option pop with no matching option push"),
    WARNING_ROW(8047, "(*)Declaration of static function 'function(...)' ignored"),
    WARNING_ROW(8048, "(*)Use qualified name to access nested type 'type'"),
    WARNING_ROW(8049, "(*)Use '> >' for nested templates instead of '>>'"),
    WARNING_ROW(8050, "(*)No type OBJ file present. Disabling external types option."),
    WARNING_ROW(8051, "(*)Non-volatile function 'function' called for volatile object"),
    WARNING_ROW(8052, "(*)Base initialization without a class name is now obsolete"),
    WARNING_ROW(8053, "(*)'identifier' is obsolete"),
    WARNING_ROW(8054, "(*)Style of function definition is now obsolete"),
    WARNING_ROW(8055, "(*)Possible overflow in shift operation"),
    WARNING_ROW(8056, "(*)Interger arithmetic overflow"),
    WARNING_ROW(8057, "(*)Parameter 'parameter' is never used"),
    WARNING_ROW(8058, "(*)Cannot create pre-compiled header: 'header'"),
    WARNING_ROW(8059, "(*)Structure packing size has changed"),
    WARNING_ROW(8060, "(*)Possibly incorrect assignment"),
    WARNING_ROW(8061, "Initialization is only partially bracketed"),
    WARNING_ROW(8062, "(*)Previous options and warnings not restored"),
    WARNING_ROW(8063, "(*)Overloaded prefix operator 'operator' used as a postfix operator"),
    WARNING_ROW(8064, "(*)Call to function with no prototype"),
    WARNING_ROW(8065, "(*)Call to function 'function' with no prototype"),
    WARNING_ROW(8066, "(*)Unreachable code"),
    WARNING_ROW(8067, "(*)Both return and return of a value used"),
    WARNING_ROW(8068, "(*)Constant out of range in comparison"),
    WARNING_ROW(8069, "(*)Nonportable pointer conversion"),
    WARNING_ROW(8070, "(*)Function should return a value"),
    WARNING_ROW(8071, "Conversion may lose significant digits"),
    WARNING_ROW(8072, "(*)Suspicious pointer arithmetic"),
    WARNING_ROW(8073, "Undefined structure 'structure'"),
    WARNING_ROW(8074, "Structure passed by value"),
    WARNING_ROW(8075, "(*)Suspicious pointer conversion"),
    WARNING_ROW(8076, "(*)Template instance 'instance' is already instantiated"),
    WARNING_ROW(8077, "(*)Explicitly specializing an explicitly specialized class member makes no sense"),
    WARNING_ROW(8078, "(*)Throw expression violates exception specification"),
    WARNING_ROW(8079, "Mixing pointers to different 'char' types"),
    WARNING_ROW(8080, "'identifier' declared but never used"),
    WARNING_ROW(8081, "(*)void functions may not return a value"),
    WARNING_ROW(8082, "(*)Division by zero"),
    WARNING_ROW(8083, "(*)Pragma pack pop with no matching pack push"),
    WARNING_ROW(8084, "Suggest parentheses to clarify precedence"),
    WARNING_ROW(8085, "(*)Function 'function' redefined as non-inline"),
    WARNING_ROW(8086, "(*)Incorrect use of #pragma alias \"aliasName\" = \"substitutename\""),
    WARNING_ROW(8087, "'operator==' must be publicly visible to be contained by a 'name'"),
    WARNING_ROW(8089, "'operator<' must be publicly visible to be contained by a 'name'"),
    WARNING_ROW(8090, "'operator<' must be publicly visible to be used by a 'name'"),
    WARNING_ROW(8091, "'type' argument 'argument' passed to 'function' is a 'type' iterator. 'type' iterator required"),
    WARNING_ROW(8092, "'type' argument 'argument' passed to 'function' is not an iterator. 'type' iterator required"),
    WARNING_ROW(8093, "(*)Incorrect use of #pragma codeseg"),
    WARNING_ROW(8094, "(*)Incorrect use of #pragma comment"),
    WARNING_ROW(8095, "(*)Incorrect use of #pragma message"),
    WARNING_ROW(8096, "(*)Incorrect use of #pragma code_seg"),
    WARNING_ROW(8097, "(*)Not all options can be restored at this time"),
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

static const int WARNING_ROWS = sizeof g_warningRows / sizeof g_warningRows[0] - 1;
static_assert(WARNING_ROWS == 97, "W8000 to W8097 without W8088");

// The one empty text handed out for "nothing to report".
const char WARNING_EMPTY_TEXT[] = "";

// Bytes of "Warning " and of "警告 " before the code in the keys.
static const int ENGLISH_KEY_PREFIX = 8;
static const int JAPANESE_KEY_PREFIX = 5;

WarningRow *WarningRowAt(int index) {
  if (index < 0 || index >= WARNING_ROWS) return 0;
  return &g_warningRows[index];
}

const char *WarningKey(const WarningRow *row, int selector) {
  return selector ? row->japaneseKey : row->englishKey;
}

const char *WarningDescription(const WarningRow *row, int selector) {
  return selector ? row->japaneseDescription : row->englishDescription;
}

const char *WarningName(const WarningRow *row) {
  return GetLanguage() ? row->japaneseKey + JAPANESE_KEY_PREFIX : row->englishKey + ENGLISH_KEY_PREFIX;
}
