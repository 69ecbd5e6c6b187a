// The environment and session cells: declarations of their exports for the
// library's own callers, and the kinds of cell that name those exports.
#pragma once
#include "frame/instance.h"
#include "settings/session_cell_list.h"

// The signature of each operation a cell may have.
#define ORVEX_CELL_IS(name) extern "C" int ORVEXAPI Is##name(void)
#define ORVEX_CELL_GET(name) extern "C" int ORVEXAPI Get##name(void)
#define ORVEX_CELL_SET(name) extern "C" void ORVEXAPI Set##name(int value)
#define ORVEX_CELL_SET_AT_LEAST_3(name) ORVEX_CELL_SET(name)
#define ORVEX_CELL_ADD(name) extern "C" void ORVEXAPI Add##name(int bits)
#define ORVEX_CELL_REMOVE(name) extern "C" void ORVEXAPI Remove##name(int bits)
#define ORVEX_CELL_IS_MASKED(name) extern "C" int ORVEXAPI Is##name(int bits)

// The operations of each kind, each handed to OP(operation, name):
// FLAG_BITS is a bit set read through a mask; the _ADD kinds also OR in bits;
// VALUE_AT_LEAST_3 stores anything below 3 as 3.
#define ORVEX_FLAG_OPS(OP, name) OP(IS, name) OP(SET, name)
#define ORVEX_FLAG_ADD_OPS(OP, name) OP(IS, name) OP(SET, name) OP(ADD, name)
#define ORVEX_FLAG_BITS_OPS(OP, name) OP(IS_MASKED, name) OP(SET, name) OP(ADD, name) OP(REMOVE, name)
#define ORVEX_VALUE_OPS(OP, name) OP(GET, name) OP(SET, name)
#define ORVEX_VALUE_ADD_OPS(OP, name) OP(GET, name) OP(SET, name) OP(ADD, name)
#define ORVEX_VALUE_AT_LEAST_3_OPS(OP, name) OP(GET, name) OP(SET_AT_LEAST_3, name)

#define ORVEX_DECLARE_OP(op, name) ORVEX_CELL_##op(name);
#define ORVEX_DECLARE_CELL(kind, name, initial) ORVEX_##kind##_OPS(ORVEX_DECLARE_OP, name)
ORVEX_FLAG_CELLS(ORVEX_DECLARE_CELL)
ORVEX_VALUE_CELLS(ORVEX_DECLARE_CELL)

// A saved dialog record: four words the library copies whole and never reads.
struct DlgSavedFileInfo {
  INT32 word[4];
};

// GetDlgSavedFileInfo returns the record by value: callers declare it as
//   DlgSavedFileInfo __stdcall GetDlgSavedFileInfo(int index);
// It is defined with the result's address as an explicit first argument,
// which is exactly how that call passes it on both targets (see
// saved_dialog_records.cpp).
extern "C" void ORVEXAPI SetDlgSavedFileInfo(int index, const DlgSavedFileInfo *record);
