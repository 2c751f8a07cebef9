// What the fuzz targets share: a scratch folder of the process's own, files
// written into it, the engine's path form, and a window host that answers
// every box with OK and keeps nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A folder created once per process and removed at exit (native path).
const std::string& ScratchFolder();

// Writes bytes to a file; false when that fails.
bool WriteBytes(const std::string& nativePath, std::string_view bytes);
std::string ReadBytes(const std::string& nativePath);

// A native path as the engine takes it (backslash separators).
std::string EnginePath(const std::string& nativePath);

// Boxes shown since the last call, and the text of the last one.
int TakeBoxCount();
const std::string& LastBoxText();

// Aborts with a message when a stated property does not hold; libFuzzer
// then keeps the input.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition))                                                           \
            FailCheck(#condition, __FILE__, __LINE__);                              \
    } while (0)
[[noreturn]] void FailCheck(const char* condition, const char* file, int line);
