// The two browse buttons: each opens its picker, owned by the main window;
// cancelling leaves the fields as they were.
#include "browse_cases.h"

#include "case_support.h"
#include "program_texts.h"
#include "test_runner.h"

#include "resource.h"

namespace {

constexpr char kTypedTree[] = "C:\\typed\\tree.wtr";
constexpr char kTypedDest[] = "C:\\typed\\dest";

// Presses a browse button and waits for the picker it opens.
HWND OpenPicker(const RunningApp& app, int buttonId)
{
    if (!CHECK(Press(app.Main(), buttonId), "press the browse button"))
        return nullptr;
    HWND picker = nullptr;
    WaitUntil([&] { return (picker = FindOwnedDialog(app.ProcessId(), app.Main())) != nullptr; });
    if (CHECK(picker != nullptr, "a picker owned by the main window opens"))
        CHECK(!IsWindowEnabled(app.Main()), "the main window takes no input while the picker is open");
    return picker;
}

bool CancelPicker(HWND picker)
{
    return CHECK(Press(picker, IDCANCEL), "press the picker's Cancel") &&
           CHECK(WaitUntil([&] { return !IsWindow(picker); }), "the picker closes");
}

void CancellingThePickersKeepsTheFields()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    SetItemText(app.Main(), IDC_TREEFILE, kTypedTree);
    SetItemText(app.Main(), IDC_DESTFOLDER, kTypedDest);

    HWND picker = OpenPicker(app, IDC_BROWSE_TREE);
    REQUIRE(picker, "file-open dialog");
    CHECK_TEXT(ReadText(picker), kTreeFileDialogTitle, "title of the file-open dialog");
    REQUIRE(CancelPicker(picker), "file-open dialog cancelled");
    CHECK(WaitUntil([&] { return IsWindowEnabled(app.Main()); }), "the main window is enabled again");
    CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), kTypedTree, "tree file field unchanged");

    picker = OpenPicker(app, IDC_BROWSE_FOLDER);
    REQUIRE(picker, "folder picker");
    CHECK(ControlTexts(picker).find(kFolderPickerText) != std::string::npos,
          std::string("the folder picker shows \"") + kFolderPickerText + "\"");
    REQUIRE(CancelPicker(picker), "folder picker cancelled");
    CHECK(WaitUntil([&] { return IsWindowEnabled(app.Main()); }), "the main window is enabled again");
    CHECK_TEXT(ReadText(app.Item(IDC_DESTFOLDER)), kTypedDest, "destination field unchanged");
    CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), kTypedTree, "tree file field still unchanged");
    CHECK_TEXT(StatusText(app), kVersionText, "status bar unchanged");
    CloseAndCheckExit(app);
}

}  // namespace

void AddBrowseCases(std::vector<DriverCase>& cases)
{
    cases.push_back({"browse: cancelling both pickers keeps the fields", CancellingThePickersKeepsTheFields});
}
