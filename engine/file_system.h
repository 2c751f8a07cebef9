// The import's thin layer over the file system. Paths are byte strings in the
// ANSI code page with backslash separators, passed on exactly as formed.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file in binary mode ("rb" or "wb"); text translation is done by
// the text line reader and writer, the same on every platform.
FileHandle OpenFile(const std::string& path, const char* mode);

// Creates the last component of a folder path. Fails when the parent is
// missing or the folder exists; callers do not need the result.
bool CreateFolder(const std::string& path);

// Loads the lead-byte table of the system's ANSI code page (Windows); keeps
// the default table elsewhere.
void LoadSystemLeadBytes();
