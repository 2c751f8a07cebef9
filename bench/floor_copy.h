// The floor the import is measured against: the same input bytes copied into
// the same folder shape with the fewest system calls.
#pragma once

#include <string>
#include <vector>

struct CopyStep {
    std::string folder;   // native path of the folder that receives Item.dat
    std::string list;     // native path of the list copied into it
    bool createFolder;    // false for the destination itself
};

// The folders and lists of a whole import (the tree file's lines, then
// Internet.WLS, when there is one, into the destination), found the way the
// walk finds them.
// treePath and destFolder are backslash paths, as the engine takes them.
std::vector<CopyStep> PlanCopy(const std::string& treePath, const std::string& destFolder);

// For each step: create the folder, read the list whole, write it as the
// folder's Item.dat. Returns false on the first step that fails.
bool RunCopy(const std::vector<CopyStep>& steps);

// A backslash path as the engine takes it, to the native path it opens.
std::string NativePath(const std::string& path);
// A native path to the engine's backslash form.
std::string EnginePath(const std::string& path);
