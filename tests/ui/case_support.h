// What the UI cases share: where things are, and the steps a person takes
// again and again (start the program, import, open the options, close).
#pragma once

#include "running_app.h"
#include "window_helpers.h"

#include <string>
#include <vector>

struct DriverConfig {
    std::string appPath;        // RUZOziv.exe
    std::string workFolder;     // an empty folder for the cases' files
    std::string examplesFolder; // examples\ of the source tree (collection, expected)
    std::string rootDrive;      // the root of an empty drive, e.g. "E:\"
};

DriverConfig& Config();

// A new empty folder under the work folder.
std::string CaseFolder(const std::string& prefix);

// A copy of examples\collection in a new folder; empty on failure.
std::string CopyExampleCollection();
// The collection's tree file.
inline constexpr char kExampleTreeFile[] = "bookmarks.wtr";
// examples\expected\<variant>: the output tree for one set of options.
std::string ExpectedTree(const std::string& variant);

// Starts the program and checks that its main window came up.
bool StartApp(RunningApp& app);

// Waits for the next message box and checks its caption, text, owner
// (the main window, or none), buttons and icon. False only when no box came.
struct ExpectedBox {
    std::string caption;
    std::string text;
    bool ownedByMain;
    std::vector<int> buttons;   // IDOK 1, IDCANCEL 2
    bool icon;
};
bool ExpectMessageBox(const RunningApp& app, const ExpectedBox& expected, MessageBoxInfo& box);
// The same, then presses the given button of the box.
bool ExpectAndAnswer(const RunningApp& app, const ExpectedBox& expected, int buttonId);

// The boxes of the import, as the user sees them.
ExpectedBox RootQuestionBox();
ExpectedBox SuccessBox();
ExpectedBox FailureBox();
ExpectedBox CannotOpenListBox(const std::string& listPath);

// Fills both fields and presses the import button.
bool StartImport(const RunningApp& app, const std::string& treePath, const std::string& destFolder);
// A whole successful import: the question answered with rootAnswer, the
// success box, and the status bar's success text.
bool ImportAndAnswer(const RunningApp& app, const std::string& treePath, const std::string& destFolder,
                     int rootAnswer);

// Opens the options dialog from the menu; null when it did not open.
HWND OpenOptions(const RunningApp& app);
// The five check boxes in screen order: date, size, META, proxy, comment.
extern const int kOptionBoxes[5];
// Reads the five boxes in screen order, as "10001" style text.
std::string ReadOptionStates(HWND options);
// Clicks the boxes whose state differs from wanted ("10001" style).
bool SetOptionStates(HWND options, const std::string& wanted);
// Presses a button of the options dialog (or posts a close request when
// buttonId is 0) and waits for the dialog to end.
bool EndOptions(HWND options, int buttonId);

// Presses the close button and checks the exit status -1.
bool CloseAndCheckExit(RunningApp& app);

std::string StatusText(const RunningApp& app);
