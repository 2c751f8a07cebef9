// Imports through the main window: the example collection with the root
// items and without, and a collection with a missing item list.
#include "import_cases.h"

#include "case_support.h"
#include "file_helpers.h"
#include "program_texts.h"
#include "test_runner.h"

#include "resource.h"

namespace {

// The root items answered with OK; the destination is the root of a drive,
// so every child path is formed with two backslashes in a row.
void ImportExamplesIntoDriveRoot()
{
    const std::string collection = CopyExampleCollection();
    REQUIRE(!collection.empty(), "collection copied");
    const std::string dest = Config().rootDrive;
    REQUIRE(FolderExists(dest), "the drive root " + dest + " exists");
    REQUIRE(FolderIsEmpty(dest), "the drive root starts empty");
    RunningApp app;
    if (!StartApp(app))
        return;
    if (ImportAndAnswer(app, JoinPath(collection, kExampleTreeFile), dest, IDOK)) {
        const std::string differences = CompareTrees(dest, ExpectedTree("no-options"));
        CHECK(differences.empty(), "the written tree matches expected\\no-options:\n" + differences);
    }
    CloseAndCheckExit(app);
}

// The root items declined: no Item.dat in the destination folder itself.
void ImportExamplesWithoutRootItems()
{
    const std::string collection = CopyExampleCollection();
    REQUIRE(!collection.empty(), "collection copied");
    const std::string dest = CaseFolder("dest");
    RunningApp app;
    if (!StartApp(app))
        return;
    if (ImportAndAnswer(app, JoinPath(collection, kExampleTreeFile), dest, IDCANCEL)) {
        const std::string differences = CompareTrees(dest, ExpectedTree("no-options-without-root"));
        CHECK(differences.empty(), "the written tree matches expected\\no-options-without-root:\n" + differences);
        CHECK(!FileExists(JoinPath(dest, "Item.dat")), "no root Item.dat");
    }
    CloseAndCheckExit(app);
}

// 海外.wls, the third of the tree's nine lines, is missing: its unowned box,
// then the owned failure box; the walk stops there.
void MissingItemList()
{
    const std::string collection = CopyExampleCollection();
    REQUIRE(!collection.empty(), "collection copied");
    const std::string missingList = JoinPath(collection, "海外.wls");
    REQUIRE(DeleteFileA(missingList.c_str()), "remove 海外.wls from the copy");
    const std::string dest = CaseFolder("dest");
    RunningApp app;
    if (!StartApp(app))
        return;
    REQUIRE(StartImport(app, JoinPath(collection, kExampleTreeFile), dest), "import started");

    MessageBoxInfo box;
    REQUIRE(ExpectMessageBox(app, CannotOpenListBox(missingList), box), "the item list's box");
    CHECK_TEXT(StatusText(app), ProgressText(22), "status bar after two of nine lines");
    CHECK(IsWindowEnabled(app.Main()), "an unowned box leaves the main window enabled");
    REQUIRE(AnswerMessageBox(box, IDOK), "the item list's box closes");

    REQUIRE(ExpectMessageBox(app, FailureBox(), box), "the failure box");
    CHECK_TEXT(StatusText(app), ProgressText(22), "status bar while the failure box is open");
    CHECK(!IsWindowEnabled(app.Main()), "the owned failure box disables the main window");
    REQUIRE(AnswerMessageBox(box, IDOK), "the failure box closes");
    CHECK(WaitUntil([&] { return StatusText(app) == kStatusFailure; }), "the status bar reports failure");
    CHECK_TEXT(StatusText(app), kStatusFailure, "status bar at the end");
    CHECK(SendBounded(app.Main(), WM_NULL, 0, 0) && MessageBoxes(app.ProcessId()).empty(), "no further box");

    CHECK(FileExists(JoinPath(dest, "ニュース\\国内\\Item.dat")), "the lines before were imported");
    CHECK(FolderExists(JoinPath(dest, "ニュース\\海外")), "the failing line's folder was created");
    CHECK(!FileExists(JoinPath(dest, "ニュース\\海外\\Item.dat")), "the failing line has no Item.dat");
    CHECK(!FolderExists(JoinPath(dest, "ソフト")), "the lines after were not touched");
    CHECK(!FileExists(JoinPath(dest, "Item.dat")), "no root Item.dat");
    CloseAndCheckExit(app);
}

}  // namespace

void AddImportCases(std::vector<DriverCase>& cases)
{
    cases.push_back({"import: example collection into a drive root, root items OK", ImportExamplesIntoDriveRoot});
    cases.push_back({"import: example collection, root items cancelled", ImportExamplesWithoutRootItems});
    cases.push_back({"import: a missing item list stops the import", MissingItemList});
}
