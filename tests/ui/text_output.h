// The program's texts are Shift-JIS bytes; the driver's log is UTF-8, so that
// a failure shows readable Japanese in the test output.
#pragma once

#include <string>

// The bytes as UTF-8 (converted from the ANSI code page), with line breaks,
// tabs and other control bytes written as escapes.
std::string Printable(const std::string& ansiText);
// The same, keeping line feeds as line breaks (for multi-line reports).
std::string PrintableLines(const std::string& ansiText);
