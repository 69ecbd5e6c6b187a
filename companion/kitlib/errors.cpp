// The calling thread's last system error, set on behalf of the library so that
// an error box describes the error that was pending when it was asked for.
#include "frame/kitlib.h"

extern "C" void KITAPI mySetLastError(DWORD error) { SetLastError(error); }
