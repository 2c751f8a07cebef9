// Drives RUZOziv.exe as a user would and checks what it shows and writes.
//
//   ui_driver --app <RUZOziv.exe> --work <empty folder> --examples <examples folder>
//             --root-drive <root of an empty drive, e.g. E:\> [--filter <text>]
//
// Prints PASS or FAIL per case and a summary; exits 0 only when all passed.
#include "browse_cases.h"
#include "case_support.h"
#include "import_cases.h"
#include "main_window_cases.h"
#include "options_cases.h"
#include "test_runner.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    DriverConfig& config = Config();
    std::string filter;
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* option = argv[i];
        std::string value = argv[i + 1];
        if (std::strcmp(option, "--app") == 0)
            config.appPath = value;
        else if (std::strcmp(option, "--work") == 0)
            config.workFolder = value;
        else if (std::strcmp(option, "--examples") == 0)
            config.examplesFolder = value;
        else if (std::strcmp(option, "--root-drive") == 0)
            config.rootDrive = value;
        else if (std::strcmp(option, "--filter") == 0)
            filter = value;
        else {
            std::fprintf(stderr, "unknown option %s\n", option);
            return 2;
        }
    }
    if (config.appPath.empty() || config.workFolder.empty() || config.examplesFolder.empty() ||
        config.rootDrive.empty()) {
        std::fprintf(stderr, "usage: ui_driver --app EXE --work FOLDER --examples FOLDER --root-drive X:\\ "
                             "[--filter TEXT]\n");
        return 2;
    }

    std::vector<DriverCase> cases;
    AddMainWindowCases(cases);
    AddImportCases(cases);
    AddOptionsCases(cases);
    AddBrowseCases(cases);
    return RunCases(cases, filter);
}
