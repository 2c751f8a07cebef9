// The two pickers behind the main window's browse buttons.
#pragma once

#include <windows.h>

// The folder picker writes at most this many bytes, terminator included.
constexpr int kPathBufferSize = MAX_PATH;

// Shows the file-open dialog; non-zero when a file was chosen, whose full
// path is then in ChosenFileName(). The filter is pairs of zero-terminated
// strings closed by an empty one.
int BrowseTreeFile(HWND owner, const char* title, const char* filter);

// The file-open dialog's file-name buffer: the last chosen path, which is
// also where the next file-open dialog starts.
const char* ChosenFileName();

// Shows the folder picker; 1 when a file-system folder was chosen, whose path
// has then been written into path (kPathBufferSize bytes); 0 leaves path as it was.
int BrowseFolder(HWND owner, char* path);
