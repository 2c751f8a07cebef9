// The walk over a tree file: parsing its lines, folder parts, progress, and
// whole walks into a temporary destination.
#include "tree_walk.h"

#include "expected_texts.h"
#include "fake_window.h"
#include "file_system.h"
#include "import_options.h"
#include "lead_bytes.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

// ソフト and 表示: double-byte characters whose second byte is 0x5C.
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";
const std::string kHyouji = "\x95\x5C\x8E\xA6";

struct ParseCase {
    std::string line;
    int depth;
    std::string name;   // "old" when the name must stay as it was
};

TEST(ParseTreeLine, DepthAndName)
{
    const std::vector<ParseCase> cases = {
        {" Work", 1, "Work"},
        {"  Tools:x", 2, "Tools"},
        {"   Web*y", 3, "Web"},
        {" News\\12", 1, "News"},
        {" a:b*c", 1, "a"},
        {" a*b:c", 1, "a"},
        {" a b ", 1, "a b "},
        {"  \tNews", 2, "\tNews"},
        {"\t News", 0, "\t News"},
        {"Top", 0, "Top"},
        {"\\ News", 0, ""},
        {" \\ Tools", 1, ""},
        {"   ", 3, ""},
        {" :x", 1, ""},
        {" *x", 1, ""},
        {"  \\x", 2, ""},
        {"", -1, "old"},
        // A 0x5C trail byte belongs to its character; a backslash that starts
        // a character ends the line.
        {" " + kSoft, 1, kSoft},
        {" " + kSoft + "\\x", 1, kSoft},
        {" " + kHyouji + kSoft + ":x", 1, kHyouji + kSoft},
        {" \xE0\x5C" "a", 1, "\xE0\x5C" "a"},
        {" \xFC\x5C\\b", 1, "\xFC\x5C"},
        // 0xA0 and half-width katakana are single bytes.
        {" \xA0\\x", 1, "\xA0"},
        {" \xB1\\x", 1, "\xB1"},
        // A lead byte cut off at the end of the line.
        {" ab\x83", 1, "ab\x83"},
        {" \x83", 1, "\x83"},
        // The colon and star stop the name even after double-byte text.
        {" " + kSoft + "*" + kHyouji, 1, kSoft},
    };
    for (const ParseCase& c : cases) {
        std::string name = "old";
        EXPECT_EQ(ParseTreeLine(c.line, name), c.depth) << c.line;
        EXPECT_EQ(name, c.name) << c.line;
    }
}

TEST(ParseTreeLine, SingleByteCodePageSearchesBytes)
{
    SetLeadByteTable(SingleByteLeadBytes());
    std::string name;
    EXPECT_EQ(ParseTreeLine(" " + kSoft, name), 1);
    EXPECT_EQ(name, "\x83");
    EXPECT_EQ(ParseTreeLine(" \x83\\x", name), 1);
    EXPECT_EQ(name, "\x83");
    SetLeadByteTable(CodePage932LeadBytes());
    EXPECT_EQ(ParseTreeLine(" " + kSoft, name), 1);
    EXPECT_EQ(name, kSoft);
}

TEST(GetParentFolder, FolderPart)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"D:\\old\\tree.wtr", "D:\\old"},
        {"D:\\tree.wtr", "D:"},
        {"\\\\server\\share\\t.wtr", "\\\\server\\share"},
        {"a\\\\b", "a\\"},
        {"a\\", "a"},
        {"\\a", ""},
        {"tree.wtr", "."},
        {"", "."},
        // The byte search takes a 0x5C trail byte for a backslash.
        {"D:\\x\\" + kSoft + ".wtr", "D:\\x\\\x83"},
        {"D:\\" + kSoft + "\\t.wtr", "D:\\" + kSoft},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(GetParentFolder(path), folder) << path;
}

TEST(FormatProgress, TruncatedPercentage)
{
    struct ProgressCase {
        int done, total, percent;
    };
    const std::vector<ProgressCase> cases = {
        {1, 3, 33}, {2, 3, 66}, {3, 3, 100},
        {1, 5, 20}, {4, 5, 80},
        {29, 100, 28}, {56, 100, 56}, {57, 100, 56}, {58, 100, 57}, {99, 100, 99}, {100, 100, 100},
        {1, 7, 14}, {0, 5, 0},
        // A total that does not fit the lines done shows 100.
        {0, 0, 100}, {1, 0, 100}, {4, 3, 100}, {1, -1, 100},
    };
    for (const ProgressCase& c : cases)
        EXPECT_EQ(FormatProgress(c.done, c.total), Progress(c.percent)) << c.done << " of " << c.total;
    EXPECT_EQ(FormatProgress(29, 100), "\x90\x56RIVO\xCC\xAB\xD9\xC0\xDE\x82\xC9\xB2\xDD\xCE\xDF\xB0\xC4\x92\x86"
                                       "\x82\xC5\x82\xB7\x81\x42( 28 % )");
}

TEST(CountLines, CountsPiecesAsTheWalkReadsThem)
{
    TempFolder temp;
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0},
        {" a\n b\n", 2},
        {" a\r\n b", 2},
        {"\n\n\n", 3},
        {" " + std::string(300, 'a') + "\n", 2},
        {" a\n\x1A b\n", 1},
    };
    for (const auto& [bytes, count] : cases) {
        ASSERT_TRUE(WriteBytes(temp / "t.wtr", bytes));
        EXPECT_EQ(CountLines(temp / "t.wtr"), count);
    }
    EXPECT_EQ(CountLines(temp / "missing.wtr"), -1);
}

// A walk from src\tree.wtr into dest. Each item list names itself in its one
// record, so an Item.dat tells which list it came from.
class TreeWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        importOptions = ImportOptions{};
        ASSERT_TRUE(CreateFolder(src));
        ASSERT_TRUE(CreateFolder(dest));
    }

    void WriteList(const std::string& name)
    {
        ASSERT_TRUE(WriteBytes(src + "\\" + name + ".wls", ListFor(name)));
    }
    static std::string ListFor(const std::string& name) { return "<NAME>" + name + "\r\n<COMMENT>\r\n"; }
    static std::string ItemDatFor(const std::string& name) { return name + "\t\t\t\t\t\t\t\t\t\t\t\r\n"; }

    int Walk(const std::string& treeBytes, const std::string& destFolder)
    {
        EXPECT_TRUE(WriteBytes(treePath, treeBytes));
        return ImportTree(owner, treePath, destFolder);
    }
    int Walk(const std::string& treeBytes) { return Walk(treeBytes, dest); }

    std::vector<WindowEvent> ProgressEvents(std::initializer_list<int> percents)
    {
        std::vector<WindowEvent> events;
        for (int percent : percents)
            events.push_back(StatusEvent(Progress(percent)));
        return events;
    }

    WindowHandle owner = reinterpret_cast<WindowHandle>(0x1234);
    TempFolder temp;
    const std::string src = temp / "src";
    const std::string dest = temp / "dest";
    const std::string treePath = src + "\\tree.wtr";
};

TEST_F(TreeWalkTest, FiveLineTree)
{
    for (const char* name : {"Work", "Tools", "Web", "Home"})
        WriteList(name);
    EXPECT_EQ(Walk(" Work\n  Tools:x\n   Web*y\n Home\n  Tools\n"), 1);
    EXPECT_EQ(Fake().events, ProgressEvents({20, 40, 60, 80, 100})) << Describe(Fake().events);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{
                                  "Home\\", "Home\\Item.dat", "Home\\Tools\\", "Home\\Tools\\Item.dat",
                                  "Work\\", "Work\\Item.dat", "Work\\Tools\\", "Work\\Tools\\Item.dat",
                                  "Work\\Tools\\Web\\", "Work\\Tools\\Web\\Item.dat"}));
    EXPECT_EQ(ReadBytes(dest + "\\Work\\Item.dat"), ItemDatFor("Work"));
    EXPECT_EQ(ReadBytes(dest + "\\Work\\Tools\\Item.dat"), ItemDatFor("Tools"));
    EXPECT_EQ(ReadBytes(dest + "\\Work\\Tools\\Web\\Item.dat"), ItemDatFor("Web"));
    EXPECT_EQ(ReadBytes(dest + "\\Home\\Item.dat"), ItemDatFor("Home"));
    EXPECT_EQ(ReadBytes(dest + "\\Home\\Tools\\Item.dat"), ItemDatFor("Tools"));
}

TEST_F(TreeWalkTest, CrLfTreeAndDoubleByteNames)
{
    WriteList(kSoft);
    WriteList(kHyouji);
    WriteList("News");
    EXPECT_EQ(Walk(" " + kSoft + "\r\n  " + kHyouji + "*x\r\n News\\12\r\n"), 1);
    EXPECT_TRUE(FolderExists(dest + "\\" + kSoft + "\\" + kHyouji));
    EXPECT_EQ(ReadBytes(dest + "\\" + kSoft + "\\Item.dat"), ItemDatFor(kSoft));
    EXPECT_EQ(ReadBytes(dest + "\\" + kSoft + "\\" + kHyouji + "\\Item.dat"), ItemDatFor(kHyouji));
    EXPECT_EQ(ReadBytes(dest + "\\News\\Item.dat"), ItemDatFor("News"));
    EXPECT_EQ(ListTree(dest).size(), 6u);
}

TEST_F(TreeWalkTest, LastLineWithoutLineFeedLosesItsLastByte)
{
    WriteList("Work");
    WriteList("New");
    EXPECT_EQ(Walk(" Work\n News"), 1);
    EXPECT_EQ(ReadBytes(dest + "\\New\\Item.dat"), ItemDatFor("New"));
    EXPECT_FALSE(FolderExists(dest + "\\News"));
}

TEST_F(TreeWalkTest, EmptyNameUsesTheParentFolderAndDotWls)
{
    WriteList("Work");
    ASSERT_TRUE(WriteBytes(src + "\\.wls", ListFor("unnamed")));
    // The empty name's folder path is Work's with a backslash at its end, so
    // its Item.dat takes the place of Work's.
    EXPECT_EQ(Walk(" Work\n  :x\n"), 1);
    EXPECT_EQ(ReadBytes(dest + "\\Work\\Item.dat"), ItemDatFor("unnamed"));
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"Work\\", "Work\\Item.dat"}));
}

TEST_F(TreeWalkTest, EmptyNameWithoutDotWlsStopsTheWalk)
{
    WriteList("Work");
    EXPECT_EQ(Walk(" Work\n  *x\n Work\n"), 0);
    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{BoxEvent(nullptr, CannotOpenList(src + "\\.wls"),
                                                                 kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
}

TEST_F(TreeWalkTest, MissingListStopsTheWalk)
{
    WriteList("A");
    WriteList("C");
    EXPECT_EQ(Walk(" A\n B\n C\n"), 0);
    EXPECT_EQ(Fake().events,
              (std::vector<WindowEvent>{StatusEvent(Progress(33)),
                                        BoxEvent(nullptr, CannotOpenList(src + "\\B.wls"), kExpectErrorCaption,
                                                 0x10)}))
        << Describe(Fake().events);
    // B's folder was made before its conversion and stays, empty; C is never
    // reached.
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"A\\", "A\\Item.dat", "B\\"}));
}

TEST_F(TreeWalkTest, MissingTreeFile)
{
    EXPECT_EQ(ImportTree(owner, src + "\\missing.wtr", dest), 0);
    EXPECT_EQ(Fake().events,
              std::vector<WindowEvent>{BoxEvent(owner, kExpectCannotOpenTree, kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
    EXPECT_TRUE(ListTree(dest).empty());
}

TEST_F(TreeWalkTest, EmptyTreeFile)
{
    EXPECT_EQ(Walk(""), 1);
    EXPECT_TRUE(Fake().events.empty()) << Describe(Fake().events);
    EXPECT_TRUE(ListTree(dest).empty());
}

TEST_F(TreeWalkTest, DepthZeroIsTakenAsDepthOne)
{
    WriteList("Top");
    WriteList("Sub");
    EXPECT_EQ(Walk("Top\n  Sub\n"), 1);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"Top\\", "Top\\Item.dat", "Top\\Sub\\",
                                                        "Top\\Sub\\Item.dat"}));
    // Nothing lands beside the destination.
    EXPECT_EQ(ListTree(temp.Path()),
              (std::vector<std::string>{"dest\\", "dest\\Top\\", "dest\\Top\\Item.dat", "dest\\Top\\Sub\\",
                                        "dest\\Top\\Sub\\Item.dat", "src\\", "src\\Sub.wls", "src\\Top.wls",
                                        "src\\tree.wtr"}));
}

TEST_F(TreeWalkTest, EmptyLineIsSkippedButCounted)
{
    WriteList("A");
    WriteList("B");
    EXPECT_EQ(Walk(" A\n\n B\n"), 1);
    EXPECT_EQ(Fake().events, ProgressEvents({33, 66, 100})) << Describe(Fake().events);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"A\\", "A\\Item.dat", "B\\", "B\\Item.dat"}));
}

TEST_F(TreeWalkTest, DepthJumpUnderAnotherBranchCannotSave)
{
    for (const char* name : {"A", "B", "X", "C"})
        WriteList(name);
    // C's path takes level 2 from the earlier branch: X\B does not exist.
    EXPECT_EQ(Walk(" A\n  B\n X\n   C\n"), 0);
    EXPECT_EQ(Fake().Boxes(),
              std::vector<WindowEvent>{BoxEvent(nullptr, CannotSave(dest + "\\X\\B\\C\\Item.dat"),
                                                kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
    EXPECT_EQ(Fake().LastStatus(), Progress(75));
}

TEST_F(TreeWalkTest, DeepTreePastSixtyThreeLevels)
{
    WriteList("a");
    std::string tree;
    const int levels = 70;
    for (int depth = 1; depth <= levels; ++depth)
        tree += std::string(depth, ' ') + "a\r\n";
    EXPECT_EQ(Walk(tree), 1);
    std::string deepest = dest;
    for (int depth = 1; depth <= levels; ++depth)
        deepest += "\\a";
    EXPECT_EQ(ReadBytes(deepest + "\\Item.dat"), ItemDatFor("a"));
    EXPECT_EQ(Fake().events.size(), static_cast<size_t>(levels));
    EXPECT_EQ(Fake().LastStatus(), Progress(100));
    EXPECT_TRUE(Fake().Boxes().empty());
    // Back up to level 2 after the deep branch.
    ResetFakeWindow();
    WriteList("b");
    EXPECT_EQ(Walk(tree + "  b\r\n"), 1);
    EXPECT_EQ(ReadBytes(dest + "\\a\\b\\Item.dat"), ItemDatFor("b"));
}

TEST_F(TreeWalkTest, NameLeadingOutOfTheDestinationIsRefused)
{
    WriteList("A");
    for (const std::string name : {"..", "..:x", "../x", "x/.."}) {
        ResetFakeWindow();
        EXPECT_EQ(Walk(" A\n " + name + "\n"), 0) << name;
        std::string shown = name.substr(0, name.find(':'));
        EXPECT_EQ(Fake().Boxes(),
                  std::vector<WindowEvent>{BoxEvent(nullptr, CannotSave(dest + "\\" + shown + "\\Item.dat"),
                                                    kExpectErrorCaption, 0x10)})
            << Describe(Fake().events);
    }
    EXPECT_FALSE(FileExists(temp / "Item.dat"));
    EXPECT_EQ(ListTree(temp.Path()), (std::vector<std::string>{"dest\\", "dest\\A\\", "dest\\A\\Item.dat",
                                                               "src\\", "src\\A.wls", "src\\tree.wtr"}));
}

TEST_F(TreeWalkTest, ReimportReplacesItemDat)
{
    WriteList("A");
    WriteList("B");
    EXPECT_EQ(Walk(" A\n  B\n"), 1);
    ASSERT_TRUE(WriteBytes(src + "\\B.wls", ListFor("B again")));
    ResetFakeWindow();
    EXPECT_EQ(Walk(" A\n  B\n"), 1);
    EXPECT_TRUE(Fake().Boxes().empty());
    EXPECT_EQ(ReadBytes(dest + "\\A\\B\\Item.dat"), ItemDatFor("B again"));
    EXPECT_EQ(ListTree(dest).size(), 4u);
}

TEST_F(TreeWalkTest, DestinationEndingInBackslash)
{
    WriteList("Work");
    EXPECT_EQ(Walk(" Work\n", dest + "\\"), 1);
    EXPECT_EQ(ReadBytes(dest + "\\Work\\Item.dat"), ItemDatFor("Work"));

    // The path is passed on as formed, two backslashes in a row.
    ResetFakeWindow();
    const std::string missing = temp / "missing\\";
    EXPECT_EQ(Walk(" Work\n", missing), 0);
    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{BoxEvent(nullptr, CannotSave(missing + "\\Work\\Item.dat"),
                                                                 kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
}

TEST_F(TreeWalkTest, TreeFileNameWithTrailByte5C)
{
    WriteList("Work");
    // The folder part ends inside the name's first character, so the item
    // list is looked for in the wrong place.
    const std::string tree = src + "\\" + kSoft + ".wtr";
    ASSERT_TRUE(WriteBytes(tree, " Work\n"));
    EXPECT_EQ(ImportTree(owner, tree, dest), 0);
    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{BoxEvent(nullptr, CannotOpenList(src + "\\\x83\\Work.wls"),
                                                                 kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
}

}  // namespace
