#include "running_app.h"

#include "test_runner.h"
#include "window_helpers.h"

#include "resource.h"

#include <cstdio>

RunningApp::~RunningApp()
{
    if (!process_.hProcess)
        return;
    if (Running()) {
        std::printf("    the program is still running at the end of the case; ending it\n%s",
                    DescribeScreen(ProcessId()).c_str());
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kWaitMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool RunningApp::Start(const std::string& exePath, const std::string& workFolder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.c_str(), &startup, &process_)) {
        std::printf("    cannot start %s (error %lu)\n", exePath.c_str(), GetLastError());
        process_ = {};
        return false;
    }
    DWORD processId = ProcessId();
    SetFailureReporter([processId] { std::printf("%s", DescribeScreen(processId).c_str()); });
    // The main window is the dialog that holds the tree-file box, once shown.
    return WaitUntil([&] {
        main_ = FindDialogWithControl(processId, IDC_TREEFILE);
        return main_ != nullptr || !Running();
    }) && main_ != nullptr;
}

bool RunningApp::Running() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool RunningApp::WaitForExit(DWORD& exitCode)
{
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, kWaitMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}
