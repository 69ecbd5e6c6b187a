// Scratch folders of a test: made empty under the temporary folder and
// removed with everything in them.
#pragma once
#include <string>

// A fresh, empty folder "orvex <name> <process id>" in the temporary folder.
std::string ScratchFolder(const std::string &name);
// Makes `folder` (its parent must exist) and returns it.
std::string MakeFolder(const std::string &folder);
