// The sweep's child process: runs the planned calls from number `from` on,
// logging each one to `logPath` before making it. Writes "done" at the end;
// a crash adds a "crash ..." line, a broken host a "fault: ..." line.
#pragma once
#include <stddef.h>

int RunSweepChild(size_t from, const char *logPath);
