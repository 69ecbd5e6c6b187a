// The host's side of word completion, recorded in order: the commands the
// completion popup sends to the main window ("command 40187" word ready,
// "command 40186" cancelled) and the two host callbacks the library calls,
// the status region ("status <text>", "status" alone for a clearing call)
// and the add-user-keywords request ("add keywords"). The callbacks come
// from the loader threads too, so the record is kept under a lock.
#pragma once
#include <string>
#include <vector>

// Subclasses the host's main window and registers both callbacks with the
// library's own setters (once); empties the record.
void CompletionRecorderStart();
// What was recorded since the last call (or the start); the record empties.
std::vector<std::string> TakeCompletionRecord();
