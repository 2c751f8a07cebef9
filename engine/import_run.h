// The import command behind the main window's import button.
#pragma once

#include "window_ops.h"

// Checks and reads the two input fields, walks the tree, offers the root
// items and reports the outcome.
void RunImport(WindowHandle owner);

// 1 when the field holds at least one byte of text.
int HasText(WindowHandle owner, int controlId);

// Shows the outcome (1 success, 0 failure) in a box, then in the status bar.
void ReportResult(WindowHandle owner, int outcome);
