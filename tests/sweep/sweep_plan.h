// The plan of the hostile-input sweep: every export of tests/exports/*.txt
// with the kinds of its arguments, and the calls made of them. The first call
// of an export passes every argument at its benign value; then each argument
// in turn takes each hostile value of its kind while the others stay benign.
// Parent and child read the same lists, so a call is named by its number.
#pragma once
#include <string>
#include <vector>

enum KindClass {
  KIND_INT,      // index, flag, language, count, value
  KIND_TEXT,     // input text, read only
  KIND_POS,      // a position inside the text argument before it
  KIND_POSPTR,   // the address of such a position, read and moved
  KIND_EDIT,     // text written in place (edit, edit:N, edit:+N)
  KIND_BUFFER,   // output of N bytes, or of the size in the next size argument
  KIND_SIZE,     // the size of the buffer argument before it
  KIND_OUT,      // one word written
  KIND_WINDOW,
  KIND_CALLBACK, // a host function
  KIND_RECORD,   // host memory read or filled (record or record:N)
  KIND_ARGV,     // argv as main gets it
  KIND_HANDLE,   // a module or object handle
};

struct Kind {
  KindClass kind;
  int bytes;  // N of buffer:N, edit:N, record:N and the room of edit:+N; 0 when not given
  bool grows; // edit:+N: the text may grow by N bytes
};

struct SweptExport {
  std::string name;
  std::vector<Kind> kinds;
};

struct PlannedCall {
  int exportIndex;
  int argument; // -1: every argument benign
  int value;    // which hostile value of that argument's kind
  int language; // the language flag during the call: 0 English, 1 Japanese
};

// Every listed export in file and line order. A line whose kinds cannot be
// used (an unknown kind, a count that differs, a pos without a text before
// it, a buffer without a size after it) adds a message to *errors.
std::vector<SweptExport> ReadSweptExports(std::vector<std::string> *errors);
std::vector<PlannedCall> PlanCalls(const std::vector<SweptExport> &exports);

int HostileValueCount(KindClass kind);
// "Name(text 600 bytes)": the export and the value that varies.
std::string DescribeCall(const std::vector<SweptExport> &exports, const PlannedCall &call);
