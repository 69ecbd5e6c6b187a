// The web addresses the library opens in the browser.
#include "runner/web_addresses.h"

const char kDocumentationSiteAddress[] = "https://learn.microsoft.com/cpp/c-runtime-library/c-run-time-library-reference";
const char kStartPageAddress[] = "https://www.orvex-studio.example/start/quick-programming.html";
const char kProductPageAddress[] = "https://www.orvex-studio.example/";
const char kAssemblerDownloadAddress[] = "https://downloads.toolchain.example/tools/Tasm32.zip";
const char kDebuggerDownloadAddress[] = "https://downloads.toolchain.example/tools/TD32.zip";
