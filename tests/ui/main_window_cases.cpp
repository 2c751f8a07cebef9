// The main window: its opening texts, the check of the two fields, the
// Escape key, and every way of closing it.
#include "main_window_cases.h"

#include "case_support.h"
#include "program_texts.h"
#include "test_runner.h"

#include "resource.h"

namespace {

void OpeningTexts()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    CHECK_TEXT(ReadText(app.Main()), kVersionText, "caption");
    CHECK_TEXT(ReadText(app.Item(IDC_VERSION)), kVersionText, "version line");
    CHECK_TEXT(StatusText(app), kVersionText, "status bar");
    CHECK_TEXT(ClassName(app.Item(IDC_STATUS)), "msctls_statusbar32", "the status bar's class");
    CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), "", "tree file field");
    CHECK_TEXT(ReadText(app.Item(IDC_DESTFOLDER)), "", "destination field");
    CloseAndCheckExit(app);
}

// One field or both left empty: a single error box, nothing else happens.
void EmptyFields()
{
    struct Entry {
        const char* label;
        const char* treePath;
        const char* destFolder;
    };
    const Entry entries[] = {
        {"both fields empty", "", ""},
        {"destination empty", "C:\\old\\tree.wtr", ""},
        {"tree file empty", "", "C:\\new"},
    };
    RunningApp app;
    if (!StartApp(app))
        return;
    for (const Entry& e : entries) {
        const std::string label = std::string(e.label) + ": ";
        if (!StartImport(app, e.treePath, e.destFolder))
            return;
        if (!ExpectAndAnswer(app, {kErrorCaption, kFillBothFields, true, {IDOK}, true}, IDOK))
            return;
        // A second box would be created before the window handles this.
        CHECK(SendBounded(app.Main(), WM_NULL, 0, 0), label + "the main window answers");
        CHECK(MessageBoxes(app.ProcessId()).empty(), label + "exactly one box");
        CHECK_TEXT(StatusText(app), kVersionText, label + "status bar unchanged");
        CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), e.treePath, label + "tree file field kept");
        CHECK_TEXT(ReadText(app.Item(IDC_DESTFOLDER)), e.destFolder, label + "destination field kept");
    }
    CloseAndCheckExit(app);
}

// The Escape key sends IDCANCEL, which the main window ignores.
void EscapeDoesNothing()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    SetItemText(app.Main(), IDC_TREEFILE, "C:\\old\\tree.wtr");
    SetItemText(app.Main(), IDC_DESTFOLDER, "C:\\new");
    CHECK(FocusControl(app.Main(), IDC_TREEFILE), "focus the tree file field");
    CHECK(PostKey(app.Item(IDC_TREEFILE), VK_ESCAPE), "press Escape in the tree file field");
    CHECK(PostCommand(app.Main(), IDCANCEL), "send IDCANCEL");
    const bool handled = WaitForPostedMessages(app.Item(IDC_IMPORT));
    REQUIRE(app.Running(), "Escape must not end the program");
    REQUIRE(handled, "the main window handled the keys");
    CHECK(IsWindowVisible(app.Main()), "the main window is still shown");
    CHECK(MessageBoxes(app.ProcessId()).empty(), "no message box");
    CHECK_TEXT(StatusText(app), kVersionText, "status bar unchanged");
    CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), "C:\\old\\tree.wtr", "tree file field kept");
    CHECK_TEXT(ReadText(app.Item(IDC_DESTFOLDER)), "C:\\new", "destination field kept");
    CloseAndCheckExit(app);
}

// Every way of closing the main window ends the process with status -1.
void EveryWayOfClosing()
{
    struct Way {
        const char* label;
        bool (*close)(const RunningApp& app);
    };
    const Way ways[] = {
        {"close button", [](const RunningApp& app) { return Press(app.Main(), IDC_CLOSE); }},
        {"caption close box (WM_CLOSE)",
         [](const RunningApp& app) { return PostMessageA(app.Main(), WM_CLOSE, 0, 0) != 0; }},
        {"Close in the system menu (SC_CLOSE)",
         [](const RunningApp& app) { return PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }},
        {"Alt+F4 in the tree file field",
         [](const RunningApp& app) { return PostKey(app.Item(IDC_TREEFILE), VK_F4, true); }},
        {"Enter in the tree file field",
         [](const RunningApp& app) { return PostKey(app.Item(IDC_TREEFILE), VK_RETURN); }},
        {"Enter in the destination field",
         [](const RunningApp& app) {
             return FocusControl(app.Main(), IDC_DESTFOLDER) && PostKey(app.Item(IDC_DESTFOLDER), VK_RETURN);
         }},
        {"Enter on the focused close button",
         [](const RunningApp& app) {
             return FocusControl(app.Main(), IDC_CLOSE) && PostKey(app.Item(IDC_CLOSE), VK_RETURN);
         }},
    };
    for (const Way& way : ways) {
        const std::string label = std::string(way.label) + ": ";
        RunningApp app;
        if (!StartApp(app))
            return;
        if (!CHECK(way.close(app), label + "sent"))
            continue;
        DWORD exitCode = 0;
        if (CHECK(app.WaitForExit(exitCode), label + "the program ends"))
            CHECK(exitCode == 0xFFFFFFFF, label + "exit status -1, got " + std::to_string(exitCode));
    }
}

}  // namespace

void AddMainWindowCases(std::vector<DriverCase>& cases)
{
    cases.push_back({"main window: opening texts", OpeningTexts});
    cases.push_back({"main window: empty fields give one error box", EmptyFields});
    cases.push_back({"main window: Escape does nothing", EscapeDoesNothing});
    cases.push_back({"main window: every way of closing exits with -1", EveryWayOfClosing});
}
