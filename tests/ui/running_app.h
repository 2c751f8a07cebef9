// One run of the program under test: started by the driver, its main window
// found, its exit status read; ended by force if a case leaves it running.
#pragma once

#include <windows.h>

#include <string>

class RunningApp {
public:
    RunningApp() = default;
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;
    // Ends the program if it is still running (after showing the screen).
    ~RunningApp();

    // Starts the program in workFolder and waits for its main window.
    bool Start(const std::string& exePath, const std::string& workFolder);

    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Main() const { return main_; }
    HWND Item(int controlId) const { return GetDlgItem(main_, controlId); }

    // Waits for the process to end; exitCode receives its status.
    bool WaitForExit(DWORD& exitCode);
    bool Running() const;

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};
