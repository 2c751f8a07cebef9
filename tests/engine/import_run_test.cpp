// The import command from its two fields to the reported outcome, with the
// fake window host answering the boxes.
#include "import_run.h"

#include "expected_texts.h"
#include "fake_window.h"
#include "file_system.h"
#include "import_options.h"
#include "resource.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <direct.h>
#define chdir _chdir
#define getcwd _getcwd
#else
#include <unistd.h>
#endif

namespace {

constexpr int kAnswerCancel = 2;

class ImportRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        importOptions = ImportOptions{};
        ASSERT_TRUE(CreateFolder(src));
        ASSERT_TRUE(CreateFolder(dest));
        ASSERT_TRUE(WriteBytes(src + "\\A.wls", "<NAME>a\r\n<COMMENT>\r\n"));
        ASSERT_TRUE(WriteBytes(treePath, " A\r\n"));
        ASSERT_TRUE(WriteBytes(src + "\\Internet.WLS", "<NAME>root\r\n<COMMENT>\r\n"));
    }

    void Fields(const std::string& tree, const std::string& destination)
    {
        Fake().fields[IDC_TREEFILE] = tree;
        Fake().fields[IDC_DESTFOLDER] = destination;
    }

    WindowEvent Box(const std::string& text, const std::string& caption, unsigned flags)
    {
        return BoxEvent(owner, text, caption, flags);
    }
    WindowEvent Question() { return Box(kExpectRootQuestion, kExpectRootCaption, 0x21); }
    WindowEvent SuccessBox() { return Box(kExpectFinished, kExpectFinished, 0x00); }
    WindowEvent FailureBox() { return Box(kExpectStopped, kExpectErrorCaption, 0x10); }

    WindowHandle owner = reinterpret_cast<WindowHandle>(0x4321);
    TempFolder temp;
    const std::string src = temp / "src";
    const std::string dest = temp / "dest";
    const std::string treePath = src + "\\tree.wtr";
    const std::string rootRecord = "root\t\t\t\t\t\t\t\t\t\t\t\r\n";
};

TEST_F(ImportRunTest, EmptyFieldsGiveOneBoxAndNoWalk)
{
    struct FieldCase {
        const char* what;
        std::string tree, destination;
        int reads;   // the destination is read only when the tree field has text
    };
    const std::vector<FieldCase> cases = {
        {"both empty", "", "", 1},
        {"destination empty", treePath, "", 2},
        {"tree file empty", "", dest, 1},
    };
    for (const FieldCase& c : cases) {
        ResetFakeWindow();
        Fields(c.tree, c.destination);
        RunImport(owner);
        EXPECT_EQ(Fake().events, std::vector<WindowEvent>{Box(kExpectFillBoth, kExpectErrorCaption, 0x10)})
            << c.what << "\n" << Describe(Fake().events);
        EXPECT_EQ(Fake().fieldReads, c.reads) << c.what;
    }
    EXPECT_TRUE(ListTree(dest).empty());
}

TEST_F(ImportRunTest, TreeFileCannotBeOpened)
{
    Fields(src + "\\missing.wtr", dest);
    RunImport(owner);
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{Box(kExpectCannotOpenTree, kExpectErrorCaption, 0x10), FailureBox(),
                                        StatusEvent(kExpectStatusFailure)}))
        << Describe(Fake().events);
}

TEST_F(ImportRunTest, ItemListCannotBeConverted)
{
    ASSERT_TRUE(WriteBytes(treePath, " A\r\n B\r\n"));
    Fields(treePath, dest);
    RunImport(owner);
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{StatusEvent(Progress(50)),
                                        BoxEvent(nullptr, CannotOpenList(src + "\\B.wls"), kExpectErrorCaption, 0x10),
                                        FailureBox(), StatusEvent(kExpectStatusFailure)}))
        << Describe(Fake().events);
}

TEST_F(ImportRunTest, CancelAtTheQuestionSkipsTheRootItems)
{
    Fields(treePath, dest);
    Fake().answers = {kAnswerCancel};
    RunImport(owner);
    EXPECT_EQ(Fake().events, (std::vector<WindowEvent>{StatusEvent(Progress(100)), Question(), SuccessBox(),
                                                       StatusEvent(kExpectStatusSuccess)}))
        << Describe(Fake().events);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"A\\", "A\\Item.dat"}));
}

TEST_F(ImportRunTest, CancelDoesNotReadInternetWls)
{
    // Were the root list read, its absence would make the run fail.
    ASSERT_TRUE(RemoveFile(src + "\\Internet.WLS"));
    ASSERT_FALSE(FileExists(src + "\\Internet.WLS"));
    Fields(treePath, dest);
    Fake().answers = {kAnswerCancel};
    RunImport(owner);
    EXPECT_EQ(Fake().Boxes(), (std::vector<WindowEvent>{Question(), SuccessBox()})) << Describe(Fake().events);
    EXPECT_EQ(Fake().LastStatus(), kExpectStatusSuccess);
}

TEST_F(ImportRunTest, OkConvertsTheRootItems)
{
    Fields(treePath, dest);
    RunImport(owner);
    EXPECT_EQ(Fake().events, (std::vector<WindowEvent>{StatusEvent(Progress(100)), Question(), SuccessBox(),
                                                       StatusEvent(kExpectStatusSuccess)}))
        << Describe(Fake().events);
    EXPECT_EQ(ReadBytes(dest + "\\Item.dat"), rootRecord);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"A\\", "A\\Item.dat", "Item.dat"}));
}

TEST_F(ImportRunTest, OkWithoutInternetWlsFails)
{
    ASSERT_TRUE(RemoveFile(src + "\\Internet.WLS"));
    Fields(treePath, dest);
    RunImport(owner);
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{
                  StatusEvent(Progress(100)), Question(),
                  BoxEvent(nullptr, CannotOpenList(src + "\\Internet.WLS"), kExpectErrorCaption, 0x10), FailureBox(),
                  StatusEvent(kExpectStatusFailure)}))
        << Describe(Fake().events);
    EXPECT_TRUE(FileExists(dest + "\\A\\Item.dat"));
}

TEST_F(ImportRunTest, RootItemsThatCannotBeSaved)
{
    // The tree walk succeeds on an empty tree without touching the missing
    // destination; the root items then cannot be saved.
    ASSERT_TRUE(WriteBytes(treePath, ""));
    const std::string missing = temp / "missing";
    Fields(treePath, missing);
    RunImport(owner);
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{Question(),
                                        BoxEvent(nullptr, CannotSave(missing + "\\Item.dat"), kExpectErrorCaption, 0x10),
                                        FailureBox(), StatusEvent(kExpectStatusFailure)}))
        << Describe(Fake().events);
}

TEST_F(ImportRunTest, TreeWithoutLinesStillAsksForTheRootItems)
{
    ASSERT_TRUE(WriteBytes(treePath, ""));
    Fields(treePath, dest);
    RunImport(owner);
    EXPECT_EQ(Fake().events, (std::vector<WindowEvent>{Question(), SuccessBox(), StatusEvent(kExpectStatusSuccess)}))
        << Describe(Fake().events);
    EXPECT_EQ(ListTree(dest), std::vector<std::string>{"Item.dat"});
}

TEST_F(ImportRunTest, BlanksCountAsText)
{
    Fields("   ", " ");
    RunImport(owner);
    // The blanks are taken as the tree file's path, which cannot be opened.
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{Box(kExpectCannotOpenTree, kExpectErrorCaption, 0x10), FailureBox(),
                                        StatusEvent(kExpectStatusFailure)}))
        << Describe(Fake().events);
}

TEST_F(ImportRunTest, LongFieldIsUsedAsItsFirst255Bytes)
{
    // A tree file whose path is exactly 255 bytes, entered with more behind it.
    std::string name = "t.wtr";
    const size_t room = 255 - (src.size() + 1);
    ASSERT_GT(room, name.size());
    name.insert(0, room - name.size(), 't');
    const std::string longTree = src + "\\" + name;
    ASSERT_EQ(longTree.size(), 255u);
    ASSERT_TRUE(WriteBytes(longTree, " A\r\n"));
    Fields(longTree + "more text typed past the end", dest);
    Fake().answers = {kAnswerCancel};
    RunImport(owner);
    EXPECT_EQ(Fake().Boxes(), (std::vector<WindowEvent>{Question(), SuccessBox()})) << Describe(Fake().events);
    EXPECT_TRUE(FileExists(dest + "\\A\\Item.dat"));
}

TEST_F(ImportRunTest, TreePathWithoutBackslashUsesTheCurrentFolder)
{
    char saved[4096];
    ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
    std::string nativeSrc = src;   // ASCII only: the temporary folder's path
    std::replace(nativeSrc.begin(), nativeSrc.end(), '\\', kNativeSeparator);
    ASSERT_EQ(chdir(nativeSrc.c_str()), 0);
    ASSERT_TRUE(WriteBytes("Internet.WLS", "<NAME>here\r\n<COMMENT>\r\n"));
    Fields("tree.wtr", dest);
    RunImport(owner);
    ASSERT_EQ(chdir(saved), 0);
    EXPECT_EQ(Fake().Boxes(), (std::vector<WindowEvent>{Question(), SuccessBox()})) << Describe(Fake().events);
    EXPECT_EQ(ReadBytes(dest + "\\Item.dat"), "here\t\t\t\t\t\t\t\t\t\t\t\r\n");
    EXPECT_TRUE(FileExists(dest + "\\A\\Item.dat"));
}

TEST_F(ImportRunTest, OptionsReachTheRecords)
{
    ASSERT_TRUE(WriteBytes(src + "\\A.wls", "<NAME>a\r\n<TIME>2003/05/12\r\n<SIZE>9\r\n<COMMENT>c\r\n"));
    importOptions.importDate = 1;
    importOptions.importComment = 1;
    Fields(treePath, dest);
    Fake().answers = {kAnswerCancel};
    RunImport(owner);
    EXPECT_EQ(ReadBytes(dest + "\\A\\Item.dat"), "a\t\t\t2003/05/12\t\t\t\t\t\t\t\tc\r\n");
    importOptions = ImportOptions{};
}

}  // namespace
