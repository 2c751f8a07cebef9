#include "case_support.h"

#include "file_helpers.h"
#include "program_texts.h"
#include "test_runner.h"

#include "resource.h"

#include <cstdio>

const int kOptionBoxes[5] = {IDC_OPT_DATE, IDC_OPT_SIZE, IDC_OPT_META, IDC_OPT_PROXY, IDC_OPT_COMMENT};

DriverConfig& Config()
{
    static DriverConfig config;
    return config;
}

std::string CaseFolder(const std::string& prefix)
{
    return NewFolder(Config().workFolder, prefix);
}

std::string CopyExampleCollection()
{
    std::string copy = CaseFolder("collection");
    if (!CHECK(!copy.empty() && CopyTree(JoinPath(Config().examplesFolder, "collection"), copy),
               "copy the example collection"))
        return {};
    return copy;
}

std::string ExpectedTree(const std::string& variant)
{
    return JoinPath(JoinPath(Config().examplesFolder, "expected"), variant);
}

bool StartApp(RunningApp& app)
{
    return CHECK(app.Start(Config().appPath, Config().workFolder), "the main window opens");
}

std::string StatusText(const RunningApp& app)
{
    return ReadText(app.Item(IDC_STATUS));
}

namespace {

std::string ButtonList(const std::vector<int>& ids)
{
    std::string list;
    for (int id : ids)
        list += (list.empty() ? "" : ",") + std::to_string(id);
    return list;
}

}  // namespace

bool ExpectMessageBox(const RunningApp& app, const ExpectedBox& expected, MessageBoxInfo& box)
{
    if (!CHECK(WaitForMessageBox(app.ProcessId(), box), "a message box \"" + expected.text + "\" appears"))
        return false;
    // A box that differs is still answered, so the case goes on as a user would.
    CHECK_TEXT(box.caption, expected.caption, "caption of the box");
    CHECK_TEXT(box.text, expected.text, "text of the box");
    CHECK(box.owner == (expected.ownedByMain ? app.Main() : nullptr),
          expected.ownedByMain ? "the box is owned by the main window" : "the box has no owner");
    CHECK_TEXT(ButtonList(box.buttons), ButtonList(expected.buttons), "buttons of the box");
    CHECK(box.hasIcon == expected.icon, expected.icon ? "the box shows an icon" : "the box shows no icon");
    return true;
}

bool ExpectAndAnswer(const RunningApp& app, const ExpectedBox& expected, int buttonId)
{
    MessageBoxInfo box;
    return ExpectMessageBox(app, expected, box) &&
           CHECK(AnswerMessageBox(box, buttonId), "the box closes when its button is pressed");
}

ExpectedBox RootQuestionBox()
{
    return {kRootQuestionCaption, kRootQuestion, true, {IDOK, IDCANCEL}, true};
}

ExpectedBox SuccessBox()
{
    return {kFinished, kFinished, true, {IDOK}, false};
}

ExpectedBox FailureBox()
{
    return {kErrorCaption, kStoppedPartWay, true, {IDOK}, true};
}

ExpectedBox CannotOpenListBox(const std::string& listPath)
{
    return {kErrorCaption, listPath + kCannotOpenSuffix, false, {IDOK}, true};
}

bool StartImport(const RunningApp& app, const std::string& treePath, const std::string& destFolder)
{
    return CHECK(SetItemText(app.Main(), IDC_TREEFILE, treePath), "type the tree file path") &&
           CHECK(SetItemText(app.Main(), IDC_DESTFOLDER, destFolder), "type the destination folder") &&
           CHECK(Press(app.Main(), IDC_IMPORT), "press the import button");
}

bool ImportAndAnswer(const RunningApp& app, const std::string& treePath, const std::string& destFolder,
                     int rootAnswer)
{
    if (!StartImport(app, treePath, destFolder))
        return false;
    MessageBoxInfo question;
    if (!ExpectMessageBox(app, RootQuestionBox(), question))
        return false;
    // While the question is open the status bar shows the walk's last progress.
    bool ok = CHECK_TEXT(StatusText(app), ProgressText(100), "status bar while the question is open");
    ok = CHECK(!IsWindowEnabled(app.Main()), "the main window takes no input while the question is open") && ok;
    if (!CHECK(AnswerMessageBox(question, rootAnswer), "the question closes when answered"))
        return false;
    MessageBoxInfo finished;
    if (!ExpectMessageBox(app, SuccessBox(), finished))
        return false;
    ok = CHECK_TEXT(StatusText(app), ProgressText(100), "status bar while the outcome box is open") && ok;
    if (!CHECK(AnswerMessageBox(finished, IDOK), "the outcome box closes"))
        return false;
    ok = CHECK(WaitUntil([&] { return StatusText(app) == kStatusSuccess; }),
               "the status bar reports success") && ok;
    return CHECK_TEXT(StatusText(app), kStatusSuccess, "status bar after the import") && ok;
}

HWND OpenOptions(const RunningApp& app)
{
    if (!CHECK(PostCommand(app.Main(), IDM_OPTIONS), "choose the options menu command"))
        return nullptr;
    HWND options = nullptr;
    WaitUntil([&] { return (options = FindDialogWithControl(app.ProcessId(), IDC_OPT_OK)) != nullptr; });
    if (!CHECK(options != nullptr, "the options dialog opens"))
        return nullptr;
    CHECK_TEXT(ReadText(options), kOptionsCaption, "caption of the options dialog");
    CHECK(GetWindow(options, GW_OWNER) == app.Main(), "the options dialog is owned by the main window");
    CHECK(!IsWindowEnabled(app.Main()), "the main window takes no input while the options dialog is open");
    return options;
}

std::string ReadOptionStates(HWND options)
{
    std::string states;
    for (int id : kOptionBoxes) {
        int state = ReadCheck(options, id);
        states += state == 1 ? '1' : state == 0 ? '0' : '?';
    }
    return states;
}

bool SetOptionStates(HWND options, const std::string& wanted)
{
    for (int i = 0; i < 5; ++i) {
        int id = kOptionBoxes[i];
        char want = wanted[static_cast<size_t>(i)];
        if (ReadCheck(options, id) == want - '0')
            continue;
        if (!Press(options, id))
            return false;
        if (!WaitUntil([&] { return ReadCheck(options, id) == want - '0'; }))
            return false;
    }
    return ReadOptionStates(options) == wanted;
}

bool EndOptions(HWND options, int buttonId)
{
    bool sent = buttonId == 0 ? PostMessageA(options, WM_CLOSE, 0, 0) != 0 : Press(options, buttonId);
    return sent && WaitUntil([&] { return !IsWindow(options); });
}

bool CloseAndCheckExit(RunningApp& app)
{
    if (!CHECK(Press(app.Main(), IDC_CLOSE), "press the close button"))
        return false;
    DWORD exitCode = 0;
    if (!CHECK(app.WaitForExit(exitCode), "the program ends after the close button"))
        return false;
    return CHECK(exitCode == 0xFFFFFFFF, "exit status -1, got " + std::to_string(exitCode));
}
