// The host's side of word completion: the commands the completion popup
// sends to the main window (40187 word ready, 40186 cancelled) and the two
// host callbacks the library calls, the status region (one text, null
// clears) and the add-user-keywords request. The callbacks come from the
// loader threads too, so everything is recorded under a lock.
#pragma once
#include <string>
#include <vector>

// Subclasses the host's main window and registers both callbacks with the
// library's own setters. Idempotent.
void CompletionRecorderStart();
void CompletionRecorderClear();
std::vector<int> CompletionCommands();
// The texts passed to the status region, "<null>" for a clearing call.
std::vector<std::string> StatusRegionTexts();
int AddUserKeywordsCalls();
