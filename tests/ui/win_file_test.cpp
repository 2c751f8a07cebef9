// The import on the real Win32 file system under code page 932: a destination
// at the root of a drive (child paths with two backslashes in a row), a tree
// file at a drive root, and names whose second byte is 0x5C, all through the
// ANSI functions the program uses. RUZOZIV_TEST_DRIVE names the root of an
// empty drive (e.g. F:\) that the tests may fill.
#include "fake_window.h"
#include "file_system.h"
#include "import_options.h"
#include "import_run.h"
#include "resource.h"
#include "tree_walk.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Two items; the second carries values over from the first.
constexpr char kTwoItemList[] =
    "<NAME>Top page\r\n"
    "<URL>a/top.html\r\n"
    "<OPTION>Brows=0 META=USE mTYPE=x mNAME=y mCONTENT=z Proxy=p;q:8080\r\n"
    "<TIME>2000/01/22 06:24\r\n"
    "<COMMENT>first item\r\n"
    "<NAME>*Local\r\n"
    "<URL>file://C:/doc/a.html\r\n"
    "<COMMENT>\r\n";
// Its Item.dat with every option off, as the program starts.
constexpr char kTwoItemsNoOptions[] =
    "Top page\ta/top.html\t\t\t\t\t\t\t0\t\t\t\r\n"
    "Local\tFile:///C:/doc/a.html\t\t\t\t\t\t\t0\t\t\t\r\n";

constexpr char kSoft[] = "ソフト";   // 0x83 0x5C 0x83 0x74 0x83 0x67

std::string Progress(int percent)
{
    return "新RIVOﾌｫﾙﾀﾞにｲﾝﾎﾟｰﾄ中です。( " + std::to_string(percent) + " % )";
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Names in a folder, sorted by bytes.
std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class WinFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* root = std::getenv("RUZOZIV_TEST_DRIVE");
        ASSERT_TRUE(root && *root) << "set RUZOZIV_TEST_DRIVE to the root of an empty drive, e.g. F:\\";
        drive = root;
        ASSERT_EQ(drive.back(), '\\') << "a drive root ends in a backslash";
        ASSERT_EQ(GetACP(), 932u) << "the tests need the ANSI code page 932 (LANG=ja_JP.UTF-8)";
        LoadSystemLeadBytes();
        ResetFakeWindow();
        importOptions = ImportOptions{};
    }

    // A new folder on the drive for one test's input.
    std::string MakeFolder(const std::string& name)
    {
        std::string path = drive + name;
        EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
        return path;
    }

    std::string drive;   // e.g. "F:\"
};

// The destination is the drive root itself: every folder path starts with
// the root and a second backslash ("F:\\Work"), passed on as formed.
TEST_F(WinFileSystemTest, ImportTreeIntoTheRootOfADrive)
{
    const std::string source = MakeFolder("source");
    WriteFile(source + "\\tree.wtr", std::string(" Work\r\n  ") + kSoft + "\r\n");
    WriteFile(source + "\\Work.wls", kTwoItemList);
    WriteFile(source + "\\" + kSoft + ".wls", kTwoItemList);

    EXPECT_EQ(ImportTree(nullptr, source + "\\tree.wtr", drive), 1) << Describe(Fake().events);
    EXPECT_EQ(Fake().events, (std::vector<WindowEvent>{StatusEvent(Progress(50)), StatusEvent(Progress(100))}))
        << Describe(Fake().events);
    ASSERT_TRUE(IsFolder(drive + "Work"));
    // The trail byte 0x5C of ソ is part of the name, not a separator.
    ASSERT_TRUE(IsFolder(drive + "Work\\" + kSoft));
    EXPECT_EQ(Entries(drive + "Work"), (std::vector<std::string>{"Item.dat", kSoft}));
    EXPECT_EQ(ReadFile(drive + "Work\\Item.dat"), kTwoItemsNoOptions);
    EXPECT_EQ(ReadFile(drive + "Work\\" + kSoft + "\\Item.dat"), kTwoItemsNoOptions);
}

// A tree file at the root of a drive: the item lists and Internet.WLS are
// read from that root ("F:" + "\Internet.WLS").
TEST_F(WinFileSystemTest, RunImportWithTheTreeFileAtADriveRoot)
{
    WriteFile(drive + "root.wtr", " Home\r\n");
    WriteFile(drive + "Home.wls", kTwoItemList);
    WriteFile(drive + "Internet.WLS", kTwoItemList);
    const std::string dest = MakeFolder("out");
    Fake().fields[IDC_TREEFILE] = drive + "root.wtr";
    Fake().fields[IDC_DESTFOLDER] = dest;
    Fake().answers = {kAnswerOk, kAnswerOk};

    RunImport(nullptr);

    ASSERT_EQ(Fake().Boxes().size(), 2u) << Describe(Fake().events);   // the question, then success
    EXPECT_EQ(Fake().LastStatus(), "○ 正常終了しました。") << Describe(Fake().events);
    EXPECT_EQ(ReadFile(dest + "\\Home\\Item.dat"), kTwoItemsNoOptions);
    EXPECT_EQ(ReadFile(dest + "\\Item.dat"), kTwoItemsNoOptions);
}

// A tree file whose own name ends in 0x5C inside a character: its folder
// part is cut there, so the first item list path is one the file system
// cannot open; the walk reports that path and stops.
TEST_F(WinFileSystemTest, TreeFileNameWithA5CTrailByte)
{
    const std::string source = MakeFolder("trail");
    const std::string treePath = source + "\\" + kSoft + ".wtr";
    WriteFile(treePath, " Work\r\n");
    WriteFile(source + "\\Work.wls", kTwoItemList);
    const std::string dest = MakeFolder("trail-out");

    EXPECT_EQ(ImportTree(nullptr, treePath, dest), 0);
    ASSERT_EQ(Fake().Boxes().size(), 1u) << Describe(Fake().events);
    EXPECT_EQ(Fake().Boxes()[0].text, source + "\\\x83\\Work.wls が開けません。") << Describe(Fake().events);
    EXPECT_TRUE(IsFolder(dest + "\\Work")) << "the folder is made before its list is read";
    EXPECT_EQ(GetFileAttributesA((dest + "\\Work\\Item.dat").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
