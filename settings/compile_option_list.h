// The names of the compile-option cells, one list per shape. The exports are
// generated from these lists (compile_options.cpp); a name is spelled exactly
// as the host imports it, misspellings included.
#pragma once

// One cell per slot: Is<Name>(slot, mode), Set<Name>(value, slot, mode); the
// mode is taken and not used.
#define ORVEX_SINGLE_COLUMN_OPTIONS(X) \
  X(ProtectModeType) \
  X(KeywordType) \
  X(MiscrsoftVcc) \
  X(DataAlignmentType) \
  X(AssembleType) \
  X(EnumType) \
  X(CommentType) \
  X(DuplicteString) \
  X(FloatingType) \
  X(FloatingFast) \
  X(WarningStopType) \
  X(ErrorStopType) \
  X(ErrorMore) \
  X(ScheduleType) \
  X(BannerOff) \
  X(CodePage) \
  X(KeywordLen) \
  X(MapFile) \
  X(OutExefile) \
  X(OutFolder) \
  X(OutObjfile) \
  X(OutCppfile) \
  X(UnsignedChar) \
  X(NoUnderline) \
  X(DisableRTTI) \
  X(CppType) \
  X(CallingType) \
  X(ExeType) \
  X(ExeThread) \
  X(ExeRtl) \
  X(ExeVcl) \
  X(ExeUnicode) \
  X(VirtualTableType) \
  X(CompatibleCalling) \
  X(FundClassZero) \
  X(MiscrsoftMfc) \
  X(InlineControl) \
  X(DestructorOff) \
  X(MemberPointerType) \
  X(CodeGuardType) \
  X(ExemptionType) \
  X(BccExePath) \
  X(BccIncludePath) \
  X(BccLibraryPath)

// One cell per slot and build mode: Is<Name>(slot, mode),
// Set<Name>(value, slot, mode).
#define ORVEX_TWO_COLUMN_OPTIONS(X) \
  X(AssembleOption) \
  X(AssembleFile) \
  X(OptimumType) \
  X(OptimumJump) \
  X(OptimumLoop) \
  X(OptimumBlock) \
  X(OptimumInline) \
  X(RegisterType) \
  X(PrecompileType) \
  X(PrecompileExt) \
  X(PrecompileSmart) \
  X(PrecompileFile) \
  X(PrecompileCache) \
  X(MacroEdit) \
  X(DebuggerOn) \
  X(DebuggerLine) \
  X(UserIncludePath) \
  X(UserLibraryPath) \
  X(UserObjLibFile)

// One cell per slot, set with the index first: Is<Name>(slot),
// Set<Name>(slot, value).
#define ORVEX_SLOT_ONLY_OPTIONS(X) \
  X(UserIncludePathCommon) \
  X(UserIncludePathCommonFromMenu) \
  X(UserIncludePathCommonFromMenuSaved) \
  X(OnceCommonIncludePathMessage)
