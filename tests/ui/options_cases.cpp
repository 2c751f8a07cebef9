// The options dialog: what it shows, what OK, Cancel, a close request,
// Escape and Enter do, and what the next import writes.
#include "options_cases.h"

#include "case_support.h"
#include "file_helpers.h"
#include "program_texts.h"
#include "test_runner.h"

#include "resource.h"

namespace {

// Box states in screen order: date, size, META, proxy, comment.
constexpr char kNone[] = "00000";
constexpr char kDateAndComment[] = "10001";
constexpr char kOthers[] = "01110";
constexpr char kAll[] = "11111";

// An item list of two items: the first sets every value, the second only
// some, so it carries the others over; it uses the '*' rule, "no size" and
// the file:// rewrite.
constexpr char kTwoItemList[] =
    "<NAME>Top page\r\n"
    "<URL>a/top.html\r\n"
    "<OPTION>Brows=0 META=USE mTYPE=x mNAME=y mCONTENT=z Proxy=p;q:8080\r\n"
    "<TIME>2000/01/22 06:24\r\n"
    "<SIZE>1234\r\n"
    "<COMMENT>first item\r\n"
    "<NAME>*Local\r\n"
    "<URL>file://C:/doc/a.html\r\n"
    "<SIZE>no size\r\n"
    "<COMMENT>\r\n";

// Its Item.dat for the given box states (date, size, META, proxy, comment):
// twelve fields per record, the optional ones empty where their box is not
// ticked.
std::string TwoItemsItemDat(const std::string& states)
{
    auto field = [&](int box, const char* value) { return states[static_cast<size_t>(box)] == '1' ? value : ""; };
    const char* meta = "0;;0;;0;;0;;1;;x;;y;;z";
    const char* proxy = "0;;1;;p;;q:8080;;0;;;;";
    return std::string("Top page\ta/top.html\t") + field(1, "1234") + "\t" + field(0, "2000/01/22 06:24") +
           "\t\t\t\t\t0\t" + field(2, meta) + "\t" + field(3, proxy) + "\t" + field(4, "first item") + "\r\n" +
           "Local\tFile:///C:/doc/a.html\t\t" + field(0, "2000/01/22 06:24") + "\t\t\t\t\t0\t" + field(2, meta) +
           "\t" + field(3, proxy) + "\t\r\n";
}

// With all five ticked, the records written out in full.
constexpr char kTwoItemsAllOptions[] =
    "Top page\ta/top.html\t1234\t2000/01/22 06:24\t\t\t\t\t0\t0;;0;;0;;0;;1;;x;;y;;z\t0;;1;;p;;q:8080;;0;;;;\tfirst item\r\n"
    "Local\tFile:///C:/doc/a.html\t\t2000/01/22 06:24\t\t\t\t\t0\t0;;0;;0;;0;;1;;x;;y;;z\t0;;1;;p;;q:8080;;0;;;;\t\r\n";

// Imports the example collection (root items included) and compares the
// written tree with examples\expected\<variant>.
void ImportCollectionAndCompare(const RunningApp& app, const char* variant)
{
    const std::string collection = CopyExampleCollection();
    const std::string dest = CaseFolder("dest");
    if (collection.empty() || !ImportAndAnswer(app, JoinPath(collection, kExampleTreeFile), dest, IDOK))
        return;
    const std::string differences = CompareTrees(dest, ExpectedTree(variant));
    CHECK(differences.empty(), std::string("the written tree matches expected\\") + variant + ":\n" + differences);
}

// Opens the dialog, checks what it shows, sets the boxes and ends it with
// the given button (0: a close request).
bool ChangeOptions(const RunningApp& app, const std::string& shown, const std::string& wanted, int buttonId)
{
    HWND options = OpenOptions(app);
    if (!options)
        return false;
    bool ok = CHECK_TEXT(ReadOptionStates(options), shown, "check boxes when the dialog opens");
    ok = CHECK(SetOptionStates(options, wanted), "tick the boxes " + wanted) && ok;
    return CHECK(EndOptions(options, buttonId), "the options dialog closes") && ok;
}

void FirstOpeningThenDateAndComment()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    REQUIRE(ChangeOptions(app, kNone, kDateAndComment, IDC_OPT_OK), "date and comment ticked, OK");
    CHECK_TEXT(StatusText(app), kVersionText, "the main window is unchanged");
    REQUIRE(ChangeOptions(app, kDateAndComment, kDateAndComment, IDC_CLOSE), "reopened");
    ImportCollectionAndCompare(app, "date-and-comment");
    CloseAndCheckExit(app);
}

// Cancel and a close request both keep the states from before.
void CancelAndCloseKeepTheOldStates()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    REQUIRE(ChangeOptions(app, kNone, kDateAndComment, IDC_OPT_OK), "date and comment ticked, OK");
    REQUIRE(ChangeOptions(app, kDateAndComment, kOthers, IDC_CLOSE), "boxes changed, Cancel");
    REQUIRE(ChangeOptions(app, kDateAndComment, kOthers, 0), "boxes changed, close request");
    REQUIRE(ChangeOptions(app, kDateAndComment, kDateAndComment, IDC_CLOSE), "reopened");
    ImportCollectionAndCompare(app, "date-and-comment");
    CloseAndCheckExit(app);
}

// Alt+C chooses the menu command "詳細設定(&C)"; closing the dialog, by any
// of its ways, changes nothing in the main window.
void AltCOpensTheDialog()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    SetItemText(app.Main(), IDC_TREEFILE, "C:\\old\\tree.wtr");
    REQUIRE(PostKey(app.Item(IDC_TREEFILE), 'C', true), "press Alt+C");
    HWND options = nullptr;
    WaitUntil([&] { return (options = FindDialogWithControl(app.ProcessId(), IDC_OPT_OK)) != nullptr; });
    REQUIRE(options, "Alt+C opens the options dialog");
    CHECK(GetWindow(options, GW_OWNER) == app.Main(), "owned by the main window");
    CHECK_TEXT(ReadOptionStates(options), kNone, "all boxes unticked at the first opening");
    REQUIRE(EndOptions(options, IDC_OPT_OK), "OK closes the dialog");
    CHECK(WaitUntil([&] { return IsWindowEnabled(app.Main()); }), "the main window is enabled again");
    CHECK_TEXT(ReadText(app.Main()), kVersionText, "caption unchanged");
    CHECK_TEXT(StatusText(app), kVersionText, "status bar unchanged");
    CHECK_TEXT(ReadText(app.Item(IDC_TREEFILE)), "C:\\old\\tree.wtr", "tree file field unchanged");
    CHECK_TEXT(ReadText(app.Item(IDC_DESTFOLDER)), "", "destination field unchanged");
    CHECK(MessageBoxes(app.ProcessId()).empty(), "no message box");
    CloseAndCheckExit(app);
}

// Escape sends IDCANCEL, which the dialog does not handle: it stays open.
void EscapeLeavesTheDialogOpen()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    HWND options = OpenOptions(app);
    REQUIRE(options, "options dialog");
    REQUIRE(SetOptionStates(options, "10000"), "tick the date box");
    // Clicking the date box left the focus on it.
    CHECK(PostKey(GetDlgItem(options, IDC_OPT_DATE), VK_ESCAPE), "press Escape");
    CHECK(PostCommand(options, IDCANCEL), "send IDCANCEL");
    REQUIRE(WaitForPostedMessages(GetDlgItem(options, IDC_OPT_OK)), "the dialog handled the keys");
    CHECK(IsWindow(options) && IsWindowVisible(options), "the dialog is still open");
    CHECK_TEXT(ReadOptionStates(options), "10000", "the boxes are unchanged");
    REQUIRE(EndOptions(options, IDC_CLOSE), "Cancel closes the dialog");
    REQUIRE(ChangeOptions(app, kNone, kNone, IDC_CLOSE), "nothing was stored");
    CloseAndCheckExit(app);
}

// Enter presses the default button, OK, from a check box and from OK itself.
void EnterActsAsOk()
{
    RunningApp app;
    if (!StartApp(app))
        return;
    HWND options = OpenOptions(app);
    REQUIRE(options, "options dialog");
    REQUIRE(SetOptionStates(options, "00101"), "tick META and comment");
    CHECK(FocusControl(options, IDC_OPT_COMMENT), "focus the comment box");
    CHECK(PostKey(GetDlgItem(options, IDC_OPT_COMMENT), VK_RETURN), "press Enter on a check box");
    REQUIRE(WaitUntil([&] { return !IsWindow(options); }), "Enter closes the dialog");

    options = OpenOptions(app);
    REQUIRE(options, "options dialog reopened");
    CHECK_TEXT(ReadOptionStates(options), "00101", "the states were stored");
    REQUIRE(SetOptionStates(options, "01000"), "tick only size");
    CHECK(FocusControl(options, IDC_OPT_OK), "focus OK");
    CHECK(PostKey(GetDlgItem(options, IDC_OPT_OK), VK_RETURN), "press Enter on OK");
    REQUIRE(WaitUntil([&] { return !IsWindow(options); }), "Enter closes the dialog");
    REQUIRE(ChangeOptions(app, "01000", "01000", IDC_CLOSE), "the states were stored");
    CloseAndCheckExit(app);
}

// Each box fills its own column of the next import: a few states in one run
// (each OK writes all five flags), ending with all five ticked.
void EachBoxFillsItsColumn()
{
    const std::string source = CaseFolder("source");
    REQUIRE(WriteBytes(JoinPath(source, "list.wtr"), " Sample\r\n") &&
                WriteBytes(JoinPath(source, "Sample.wls"), kTwoItemList) &&
                WriteBytes(JoinPath(source, "Internet.WLS"), kTwoItemList),
            "write the two-item collection");
    REQUIRE(TwoItemsItemDat(kAll) == kTwoItemsAllOptions, "the expected records agree");
    RunningApp app;
    if (!StartApp(app))
        return;
    std::string shown = kNone;
    for (const std::string states : {"01100", "00010", "10000", kAll}) {
        const std::string label = "boxes " + states + ": ";
        REQUIRE(ChangeOptions(app, shown, states, IDC_OPT_OK), label + "ticked, OK");
        shown = states;
        const std::string dest = CaseFolder("dest");
        if (!ImportAndAnswer(app, JoinPath(source, "list.wtr"), dest, IDOK))
            break;
        std::string written;
        CHECK(ReadBytes(JoinPath(dest, "Sample\\Item.dat"), written), label + "Sample\\Item.dat written");
        CHECK_TEXT(written, TwoItemsItemDat(states), label + "Sample\\Item.dat");
        CHECK(ReadBytes(JoinPath(dest, "Item.dat"), written), label + "root Item.dat written");
        CHECK_TEXT(written, TwoItemsItemDat(states), label + "root Item.dat");
    }
    ImportCollectionAndCompare(app, "all-options");
    CloseAndCheckExit(app);
}

}  // namespace

void AddOptionsCases(std::vector<DriverCase>& cases)
{
    cases.push_back({"options: first opening unticked; date and comment reach the import",
                     FirstOpeningThenDateAndComment});
    cases.push_back({"options: Cancel and a close request keep the old states", CancelAndCloseKeepTheOldStates});
    cases.push_back({"options: Alt+C opens the dialog; closing it changes nothing in the main window",
                     AltCOpensTheDialog});
    cases.push_back({"options: Escape leaves the dialog open", EscapeLeavesTheDialogOpen});
    cases.push_back({"options: Enter acts as OK", EnterActsAsOk});
    cases.push_back({"options: each box fills its own column; all five give every field", EachBoxFillsItsColumn});
}
