// The status bar along the bottom of the main window. Its text is written
// through SetStatusText (window_ops.h).
#pragma once

#include <windows.h>

// Creates the status bar in the main window: one part, no size grip.
void CreateStatusLine(HWND mainWindow);
