// A small runner for the UI driver's cases: each case is a function that
// records failed checks; the runner prints PASS or FAIL per case and a
// summary line, and returns the process exit code.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct DriverCase {
    const char* name;
    void (*run)();
};

// Records a failed check of the running case (with where it failed) and
// prints it at once; returns ok so that callers can stop the case.
bool Check(bool ok, const std::string& what, const char* file, int line);

// As Check, comparing two byte strings; both are shown when they differ.
bool CheckText(const std::string& actual, const std::string& expected,
               const std::string& what, const char* file, int line);

// Called once per case at its first failure, to show what was on screen.
// The running application sets it while it is alive.
void SetFailureReporter(std::function<void()> reporter);

// Runs the cases whose name contains filter (all when it is empty).
int RunCases(const std::vector<DriverCase>& cases, const std::string& filter);

#define CHECK(ok, what) Check((ok), (what), __FILE__, __LINE__)
#define CHECK_TEXT(actual, expected, what) CheckText((actual), (expected), (what), __FILE__, __LINE__)
// Stops the running case when the check fails.
#define REQUIRE(ok, what) \
    do { if (!Check((ok), (what), __FILE__, __LINE__)) return; } while (0)
#define REQUIRE_TEXT(actual, expected, what) \
    do { if (!CheckText((actual), (expected), (what), __FILE__, __LINE__)) return; } while (0)
