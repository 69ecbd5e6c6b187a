// The Kitlib stand-in's journal of help, web and start requests, read back
// by the tests: one tab-separated line per request ("help", "url", "runas").
#pragma once
#include <string>
#include <vector>

std::vector<std::string> JournalLines();
void JournalClear();
// What the stand-in's ReachURLFromString answers from now on (1 at load).
void SetUrlAnswer(int answer);
// Fields joined by tabs, as a journal line holds them, and split again.
std::string JournalLine(const std::vector<std::string> &fields);
std::vector<std::string> JournalFields(const std::string &line);
