// Writing that fails: an Item.dat on a full disk (a link to /dev/full), and
// files and folders standing where the import must create the other.
#include "sandbox.h"

#include "fake_window.h"
#include "import_options.h"
#include "import_run.h"
#include "messages.h"
#include "resource.h"
#include "tree_walk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

WindowHandle const kOwner = reinterpret_cast<WindowHandle>(0x1234);

WindowEvent CannotSave(const std::string& nativeItemDat)
{
    return BoxEvent(nullptr, EnginePath(nativeItemDat) + kCannotSaveSuffix, kErrorCaption, kBoxError);
}

class WriteFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        importOptions = ImportOptions{1, 1, 1, 1, 1};
    }
    void TearDown() override { importOptions = ImportOptions{}; }

    // The tree A, B, C with `items` items in each list.
    void WriteCollection(int items)
    {
        WriteFile(sandbox.Old("tree.wtr"), " A\r\n B\r\n C\r\n");
        for (const char* name : {"A", "B", "C"})
            WriteFile(sandbox.Old(std::string(name) + ".wls"), ItemList(items));
    }

    int Walk() { return ImportTree(kOwner, EnginePath(sandbox.Old("tree.wtr")), EnginePath(sandbox.Dest())); }

    Sandbox sandbox;
};

// One record is still in the buffer when the file is closed; 2,000 records
// (about 280 KB) fill the 64 KiB buffer several times, so writing fails
// while the list is being read.
class FullDiskTest : public WriteFaultTest, public ::testing::WithParamInterface<int> {};

TEST_P(FullDiskTest, WalkStopsAtTheItemDatThatCannotBeSaved)
{
    const int items = GetParam();
    WriteCollection(items);
    ASSERT_EQ(mkdir(sandbox.Dest("B").c_str(), 0777), 0);
    ASSERT_EQ(symlink("/dev/full", sandbox.Dest("B/Item.dat").c_str()), 0);
    const auto outside = sandbox.Outside();

    EXPECT_EQ(Walk(), 0);

    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{CannotSave(sandbox.Dest("B/Item.dat"))})
        << Describe(Fake().events);
    // A before it is complete and its progress shows; C after it is untouched.
    EXPECT_EQ(CountRecords(ReadFile(sandbox.Dest("A/Item.dat"))), static_cast<size_t>(items));
    EXPECT_EQ(Fake().LastStatus(), FormatProgress(1, 3));
    EXPECT_FALSE(Exists(sandbox.Dest("C")));
    EXPECT_EQ(sandbox.Outside(), outside);
}

INSTANTIATE_TEST_SUITE_P(Records, FullDiskTest, ::testing::Values(1, 2000),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? std::string("FailsWhenClosed") : std::string("FailsWhileWriting");
                         });

TEST_F(WriteFaultTest, RootItemsOnAFullDiskEndTheImportAsFailed)
{
    WriteFile(sandbox.Old("tree.wtr"), " A\r\n");
    WriteFile(sandbox.Old("A.wls"), ItemList(3));
    WriteFile(sandbox.Old("Internet.WLS"), ItemList(2000));
    ASSERT_EQ(symlink("/dev/full", sandbox.Dest("Item.dat").c_str()), 0);
    Fake().fields[IDC_TREEFILE] = EnginePath(sandbox.Old("tree.wtr"));
    Fake().fields[IDC_DESTFOLDER] = EnginePath(sandbox.Dest());
    const auto outside = sandbox.Outside();

    RunImport(kOwner);

    const std::vector<WindowEvent> boxes{
        BoxEvent(kOwner, kRootQuestion, kRootQuestionCaption, kBoxQuestion),
        CannotSave(sandbox.Dest("Item.dat")),
        BoxEvent(kOwner, kStoppedPartWay, kErrorCaption, kBoxError),
    };
    EXPECT_EQ(Fake().Boxes(), boxes) << Describe(Fake().events);
    EXPECT_EQ(Fake().LastStatus(), kStatusFailure);
    EXPECT_EQ(CountRecords(ReadFile(sandbox.Dest("A/Item.dat"))), 3u);
    EXPECT_EQ(sandbox.Outside(), outside);
}

// Something stands where the walk must create a folder or a file.
struct InTheWay {
    const char* name;
    std::function<void(const Sandbox&)> place;
    const char* failingItemDat;   // below dest
    bool firstDone;               // A was converted before the failure
};

void PrintTo(const InTheWay& inTheWay, std::ostream* out)
{
    *out << inTheWay.name;
}

class InTheWayTest : public WriteFaultTest, public ::testing::WithParamInterface<InTheWay> {};

TEST_P(InTheWayTest, ConversionReportsTheItemDatItCannotSave)
{
    WriteCollection(5);
    GetParam().place(sandbox);
    const auto outside = sandbox.Outside();

    EXPECT_EQ(Walk(), 0);

    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{CannotSave(sandbox.Dest(GetParam().failingItemDat))})
        << Describe(Fake().events);
    if (GetParam().firstDone) {
        EXPECT_EQ(CountRecords(ReadFile(sandbox.Dest("A/Item.dat"))), 5u);
        EXPECT_EQ(Fake().LastStatus(), FormatProgress(1, 3));
    } else {
        EXPECT_TRUE(Fake().events.size() == 1) << "no progress before the first line is done\n"
                                               << Describe(Fake().events);
    }
    EXPECT_FALSE(Exists(sandbox.Dest("C")));
    EXPECT_EQ(sandbox.Outside(), outside);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InTheWayTest,
    ::testing::Values(
        InTheWay{"FolderInPlaceOfItemDat",
                 [](const Sandbox& s) {
                     mkdir(s.Dest("B").c_str(), 0777);
                     mkdir(s.Dest("B/Item.dat").c_str(), 0777);
                 },
                 "B/Item.dat", true},
        InTheWay{"FileInPlaceOfFolder",
                 [](const Sandbox& s) { WriteFile(s.Dest("B"), "a file, not a folder"); },
                 "B/Item.dat", true},
        InTheWay{"LinkToMissingFolderInPlaceOfFolder",
                 [](const Sandbox& s) { symlink((s.Root() + "/nowhere").c_str(), s.Dest("A").c_str()); },
                 "A/Item.dat", false}),
    [](const ::testing::TestParamInfo<InTheWay>& info) { return std::string(info.param.name); });

TEST_F(WriteFaultTest, DestinationThatIsAFile)
{
    WriteCollection(5);
    const std::string destFile = sandbox.Root() + "/dest.txt";
    WriteFile(destFile, "a file, not a folder");
    const auto outside = sandbox.Outside();   // holds dest.txt and its content

    EXPECT_EQ(ImportTree(kOwner, EnginePath(sandbox.Old("tree.wtr")), EnginePath(destFile)), 0);

    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{CannotSave(destFile + "/A/Item.dat")})
        << Describe(Fake().events);
    EXPECT_EQ(Fake().events.size(), 1u) << Describe(Fake().events);
    EXPECT_EQ(sandbox.Outside(), outside);
}

}  // namespace
