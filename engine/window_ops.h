// The three things the import needs from the window system. The program links
// the Win32 versions; tests, fuzzers and the benchmark link their own.
#pragma once

#include <string>

using WindowHandle = void*;

// Message box flags and answers, as the platform numbers them.
constexpr unsigned kBoxOk = 0x00;              // OK button, no icon
constexpr unsigned kBoxError = 0x10;           // OK button, error icon
constexpr unsigned kBoxQuestion = 0x21;        // OK and Cancel, question icon
constexpr int kAnswerOk = 1;

// Shows a modal message box (owner may be null) and returns the button pressed.
int ShowMessageBox(WindowHandle owner, const std::string& text,
                   const std::string& caption, unsigned flags);

// Reads the text of a control of the given window: at most 255 bytes.
std::string ReadFieldText(WindowHandle owner, int controlId);

// Replaces the whole text of the status bar.
void SetStatusText(const std::string& text);
