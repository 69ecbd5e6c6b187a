// The dialogs that tell the user that a tool the IDE needs is missing (the
// assembler or the debugger), where it belongs, and offer its download; and
// the dialog that shows a command line with a button copying it.
//
// The folder and command texts belong to the host and stay valid while the
// dialog is open. Which tool a site dialog speaks of is remembered from the
// export that opened it, so a dialog opened without a folder still speaks of
// its own tool.
#include "dialogs/modal_procedure.h"
#include "dialogs/product_lines.h"
#include "dialogs/tool_dialog_ids.h"
#include "frame/kitlib.h"
#include "frame/kitmsg.h"
#include "frame/orvexmsg.h"
#include "frame/buffer_sizes.h"
#include "frame/text_fit.h"
#include "runner/product_folder.h"
#include "runner/web_addresses.h"

enum { kSwitchHelpTopic = 49148, kHelpTopicCommand = 1 };

struct SiteTool {
  LPCSTR placeText;   // what edit 1033 says before the folder
  int descriptionId;  // message library text of static 1101
  LPCSTR downloadAddress;
};

static const SiteTool kAssembler = {"TASM32.EXE should be placed in", 358, kAssemblerDownloadAddress};
static const SiteTool kDebugger = {"TD32.EXE/TD32HELP.TDH should be placed in", 335, kDebuggerDownloadAddress};

static const char *const kCopied[] = {"Copying done", "ｺﾋﾟｰしました"};
static const char *const kNotCopied[] = {"Failed to copy", "ｺﾋﾟｰ失敗しました"};

// Set by the export that opens a dialog and read by its procedure, on the
// host's user-interface thread: the tool of the open site dialog and its
// folder (may be null), the text of the command-option dialog.
static const SiteTool *g_siteTool = &kAssembler;
static LPCSTR g_siteFolder = 0;
static LPCSTR g_commandText = 0;

static void InitSite(HWND dialog) {
  cwCenter(0, dialog);
  char text[ITEM_BUFFER_SIZE];
  const char *inserts[] = {g_siteTool->placeText, g_siteFolder, "folder"};
  FormatSjis(text, sizeof text, "%s %s %s", inserts, 3);
  SetDlgItemTextA(dialog, IDC_SITE_FOLDER, text);
  LPSTR description = 0;
  GetStringFromStringID(0, GethInstOrvexmsg(), g_siteTool->descriptionId, 0, &description, 0);
  SetDlgItemTextA(dialog, IDC_SITE_DESCRIPTION, description ? description : "");
}

static INT_PTR SiteCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_SITE_DOWNLOAD:
    OpenWebPage(dialog, IDC_SITE_DOWNLOAD, g_siteTool->downloadAddress);
    return TRUE;
  case IDC_SITE_OPEN_FOLDER: {
    RECT place;
    if (g_siteFolder && g_siteFolder[0]) OpenDirInDesktop(&place, dialog, g_siteFolder, 0, 0);
    return TRUE;
  }
  case IDOK:
  case IDCANCEL:
  case IDC_TOOL_CANCEL:
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

static int OpenSiteDialog(HWND owner, const SiteTool &tool, LPCSTR folder, LPCSTR templateName) {
  g_siteTool = &tool;
  g_siteFolder = folder;
  return (int)DisplayBox(owner, ModalDialogProc<InitSite, SiteCommand>, templateName, GethInstOrvexdll());
}

extern "C" int ORVEXAPI OpenTasm32SiteDialog(HWND owner, int ignored1, int ignored2, LPCSTR folder) {
  return OpenSiteDialog(owner, kAssembler, folder, "OpenTasm32Site");
}

extern "C" int ORVEXAPI OpenTurboDebuggerSiteDialog(HWND owner, int ignored1, int ignored2, LPCSTR folder) {
  return OpenSiteDialog(owner, kDebugger, folder, "OpenTurboDebuggerSite");
}

// Kitlib's own copy message is switched off for the copy (the dialog says
// how it went) and the user's setting is put back afterwards.
static void CopyCommand(HWND dialog) {
  int suppressed = IsSuppressCopyClipBoardMessage();
  SetSuppressCopyClipBoardMessage(1);
  int copied = SendStringsToClip(dialog, GetDlgItem(dialog, IDC_COMMAND_TEXT));
  SetSuppressCopyClipBoardMessage(suppressed);
  int language = GetLanguage() ? 1 : 0;
  SetDlgItemTextA(dialog, IDC_COMMAND_RESULT, copied ? kCopied[language] : kNotCopied[language]);
}

static void InitCommandOption(HWND dialog) {
  cwCenter(0, dialog);
  SetDlgItemTextA(dialog, IDC_COMMAND_TEXT, g_commandText ? g_commandText : "");
}

static INT_PTR CommandOptionCommand(HWND dialog, int id, int notification) {
  switch (id) {
  case IDC_COMMAND_COPY:
    CopyCommand(dialog);
    return TRUE;
  case IDC_COMMAND_HELP:
    ShowProductHelp(dialog, kSwitchHelpFile, kHelpTopicCommand, kSwitchHelpTopic);
    return TRUE;
  case IDOK:
  case IDCANCEL:
  case IDC_TOOL_CANCEL:
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

extern "C" int ORVEXAPI OpenShowCmdOptionDialog(HWND owner, int ignored1, int ignored2, LPCSTR command) {
  g_commandText = command;
  return (int)DisplayBox(owner, ModalDialogProc<InitCommandOption, CommandOptionCommand>,
                    "OpenShowCmdOption", GethInstOrvexdll());
}
