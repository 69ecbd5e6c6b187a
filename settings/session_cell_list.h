// The environment and session cells the host keeps in the library, each with
// its kind (which exports it has, see session_flags.h) and its value at load.
// Names are spelled exactly as the host imports them.
#pragma once

// Flags, read with Is<Name>.
#define ORVEX_FLAG_CELLS(X) \
  X(FLAG, PreviousProjectOpen, 1) \
  X(FLAG, PreviousSrcfileOpen, 1) \
  X(FLAG, CloseAllEditors, 1) \
  X(FLAG, CloseTitleWindow, 1) \
  X(FLAG, FirstNoticeForWarning, 1) \
  X(FLAG, EditorIndent, 1) \
  X(FLAG, FunctionListingAutomated, 1) \
  X(FLAG, HeaderDetection, 1) \
  X(FLAG, CheckNewerVersionAtStartup, 1) \
  /* ChangeFocusDisabled: the frame keeps it with its focus guard. */ \
  X(FLAG, ListBoxShow, 0) \
  X(FLAG, OutBoxShow, 0) \
  X(FLAG, HellowSourceFileActive, 0) \
  X(FLAG, StartingRootine, 0) \
  X(FLAG, ProgjectRead, 0) \
  X(FLAG, WordPadSelected, 0) \
  X(FLAG, PreviousProjectOpenEmpty, 0) \
  X(FLAG, CloseNoEditors, 0) \
  X(FLAG, SuppressDeleteProjectMessage, 0) \
  X(FLAG, SuppressCloseProjectMessage, 0) \
  X(FLAG, SuppressRunMessage, 0) \
  X(FLAG, SuppressBuildErrorFlushing, 0) \
  X(FLAG_BITS, RegistryItemAltered, 0) \
  X(FLAG, WinSizeSpecified, 0) \
  X(FLAG, OnceNoIniMessage, 0) \
  X(FLAG, DefaultEditorSelected, 0) \
  X(FLAG, OnceEasyWinMessage, 0) \
  X(FLAG, OnceVersionNotSupportedMessage, 0) \
  X(FLAG, OnceNoOrikaesiMessage, 0) \
  X(FLAG, UserEditorAlwaysUsed, 0) \
  X(FLAG, MaximizeWindow, 0) \
  X(FLAG, Orikaesi, 0) \
  X(FLAG, MenuOpen, 0) \
  X(FLAG, CommandFromMenu, 0) \
  X(FLAG, FunctionListBeingCreatedThreadActive, 0) \
  X(FLAG, ThreadBc55Active, 0) \
  X(FLAG, ReadFunctionListFromDatabaseFileThreadActive, 0) \
  X(FLAG, ReplaceFilenameInDatabase, 0) \
  X(FLAG, DisplayFunctionListingAtNextTime, 0) \
  X(FLAG, FunctionListingNoFilename, 0) \
  X(FLAG, AutoSearchForOrvexFolder, 0) \
  X(FLAG, NoBinFolderAtStartup, 0) \
  X(FLAG, FindComboBoxDisabled, 0) \
  X(FLAG_ADD, ShowTitleForHeaderBeingAnalyzed, 0) \
  X(FLAG, SrcfileNotCloseInMultiProject, 0) \
  X(FLAG, SrcfileNotCloseInSingleProject, 0) \
  X(FLAG, MessageForSaveMainTextEnabled, 0) \
  X(FLAG, ListFileIncludingOnlyOneProject, 0) \
  X(FLAG, MaximizedSavedFileInfo, 0) \
  X(FLAG, RevoverSavedFileInfo, 0) \
  X(FLAG, HideOrvexStartHtml, 0) \
  X(FLAG, InifileUsedAtStartup, 0) \
  X(FLAG, FullPathFileNameInWindowText, 0) \
  X(FLAG, OnceFixOutputFolderMessage, 0) \
  X(FLAG, FromKeytable, 0) \
  X(FLAG, CompilerErrorMessageShortened, 0) \
  X(FLAG, ShowInstallMessageAfterUpdateToNewerVersion, 0) \
  X(FLAG, MacroKeywordAbsentInDatabase, 0) \
  X(FLAG, DatabaseToCreatePutWordListing, 0) \
  X(FLAG, UpdateOrvexMessageTimerActive, 0) \
  X(FLAG, MessageForFileKeywordListWithoutMacro, 0) \
  X(FLAG, SampleProgramAtStartup, 0) \
  X(FLAG, OnceDigitToSameNameAddedMessage, 0) \
  X(FLAG, OnceSuppressBuildErrorFlushingMessage, 0) \
  X(FLAG, OnceF4KeyForErrorLineMessage, 0) \
  X(FLAG, CompileFromPopupMenuInFileList, 0) \
  X(FLAG, AddItemsIntoListBoxForEditBoxDialog, 0) \
  X(FLAG, OnCloseDone, 0) \
  X(FLAG, AsmFileToBeBuild, 0) \
  X(FLAG, OnceBuildAsm, 0) \
  X(FLAG, OnceDblclkResexeMessage, 0) \
  X(FLAG, OnceOptionForDebugDisabledMessage, 0) \
  X(FLAG, OnceFixedPitchFontMessage, 0)

// Values, read with Get<Name>.
#define ORVEX_VALUE_CELLS(X) \
  X(VALUE, UndoCharactersBuffer, 256) \
  X(VALUE, ScrollSpeedForEditorTab, 100) \
  X(VALUE, CharactersInTab, 4) \
  X(VALUE, RulerHeight, 10) \
  X(VALUE, LineNumberWidth, 50) \
  X(VALUE, AlreadyIncludedInListBox, 0) \
  X(VALUE_ADD, ReturnOfDialog, 0) \
  X(VALUE_AT_LEAST_3, Left, 0) \
  X(VALUE, FirstTop, 0) \
  X(VALUE, SecondTop, 0) \
  X(VALUE, CmdShow, 0) \
  X(VALUE, WindowTypeAtKillFocus, 0) \
  X(VALUE, DatabaseTypePutWordDialog, 0)
