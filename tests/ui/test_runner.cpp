#include "test_runner.h"

#include "text_output.h"

#include <cstdio>

namespace {

int failuresInCase = 0;
std::function<void()> failureReporter;

// message is already UTF-8 for the log.
void ReportFailure(const std::string& message, const char* file, int line)
{
    std::printf("    failed at %s:%d: %s\n", file, line, message.c_str());
    std::fflush(stdout);
    if (failuresInCase++ == 0 && failureReporter)
        failureReporter();
}

}  // namespace

bool Check(bool ok, const std::string& what, const char* file, int line)
{
    if (!ok)
        ReportFailure(PrintableLines(what), file, line);
    return ok;
}

bool CheckText(const std::string& actual, const std::string& expected,
               const std::string& what, const char* file, int line)
{
    if (actual == expected)
        return true;
    ReportFailure(Printable(what) + "\n      expected: \"" + Printable(expected) +
                      "\"\n      actual:   \"" + Printable(actual) + "\"",
                  file, line);
    return false;
}

void SetFailureReporter(std::function<void()> reporter)
{
    failureReporter = std::move(reporter);
}

int RunCases(const std::vector<DriverCase>& cases, const std::string& filter)
{
    int passed = 0, failed = 0;
    std::vector<std::string> failedNames;
    for (const DriverCase& c : cases) {
        if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos)
            continue;
        std::printf("[ RUN  ] %s\n", c.name);
        std::fflush(stdout);
        failuresInCase = 0;
        c.run();
        SetFailureReporter(nullptr);
        if (failuresInCase == 0) {
            ++passed;
            std::printf("[ PASS ] %s\n", c.name);
        } else {
            ++failed;
            failedNames.push_back(c.name);
            std::printf("[ FAIL ] %s\n", c.name);
        }
        std::fflush(stdout);
    }
    std::printf("\nUI driver: %d passed, %d failed\n", passed, failed);
    for (const std::string& name : failedNames)
        std::printf("  FAILED: %s\n", name.c_str());
    std::fflush(stdout);
    return (failed == 0 && passed > 0) ? 0 : 1;
}
