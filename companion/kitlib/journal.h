// The stand-in's journal of help, web and start requests (help_journal.cpp).
#pragma once

// Appends one line: the fields joined by tabs.
void JournalAppend(const char *const *fields, int count);
// True when the environment asks for the real help viewer and browser
// (KITLIB_SHELL=real) besides the journal.
bool JournalRealShell();
