// The web addresses the library opens in the browser, kept in one place.
#pragma once

// The runtime-library documentation site (help-menu command 40127).
extern const char kDocumentationSiteAddress[];
// The quick-programming start page offered by the title window.
extern const char kStartPageAddress[];
// The product's web page (title and About windows).
extern const char kProductPageAddress[];
// The download archives of the assembler and of the debugger (tool site
// dialogs).
extern const char kAssemblerDownloadAddress[];
extern const char kDebuggerDownloadAddress[];
