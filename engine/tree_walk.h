// The walk over an old-layout tree file (*.wtr), creating one folder per line.
#pragma once

#include "window_ops.h"

#include <string>
#include <string_view>

// Creates the folder of every line of the tree file below destFolder and
// converts its item list (the folder's name with ".wls", beside the tree
// file) into it, showing the progress after each line. Returns 1 when every
// line was done, 0 after an error box (its own, or the conversion's).
int ImportTree(WindowHandle owner, const std::string& treePath, const std::string& destFolder);

// Number of lines of a file as the walk reads them; -1 if it cannot be opened.
int CountLines(const std::string& path);

// Depth (leading spaces) and name of one tree line given without its line
// feed; -1 for an empty line, leaving name as it was.
int ParseTreeLine(std::string_view line, std::string& name);

// Everything before the path's last backslash byte; "." (the current folder)
// for a path without one.
std::string GetParentFolder(std::string_view path);

// The progress text for lines done out of total, 0 to 100 percent.
std::string FormatProgress(int done, int total);
