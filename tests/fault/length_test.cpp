// Lines, values and paths of every length around the 254-byte piece and the
// old program's buffer sizes (255, 256, 511, 512, 1024): nothing is cut but
// what the piece rule cuts, and nothing runs over.
#include "sandbox.h"

#include "fake_window.h"
#include "import_options.h"
#include "item_list.h"
#include "messages.h"
#include "text_lines.h"
#include "tree_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const size_t kLengths[] = {253, 254, 255, 256, 511, 512, 1023, 1024, 1025};

// Bytes that hold no tag, line end or stop byte: a, b, c, ...
std::string Text(size_t bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    return text;
}

class LengthTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        importOptions = ImportOptions{1, 1, 1, 1, 1};
    }
    void TearDown() override { importOptions = ImportOptions{}; }

    std::string Convert(const std::string& list)
    {
        WriteFile(sandbox.Old("list.wls"), list);
        EXPECT_EQ(ConvertItemList(EnginePath(sandbox.Old("list.wls")), EnginePath(sandbox.Dest())), 1);
        EXPECT_TRUE(Fake().events.empty()) << Describe(Fake().events);
        return ReadFile(sandbox.Dest("Item.dat"));
    }

    Sandbox sandbox;
};

// A tagged line of `length` bytes before its CR LF is read as pieces of 254
// bytes: its value comes from the first piece, less that piece's last byte;
// the other pieces are lines without a tag. The next item is read whole.
TEST_F(LengthTest, TaggedLinesOfEveryLength)
{
    for (const std::string tag : {"<NAME>", "<COMMENT>"}) {
        for (size_t length : kLengths) {
            SCOPED_TRACE(tag + " line of " + std::to_string(length) + " bytes");
            ResetFakeWindow();
            const std::string line = tag + Text(length - tag.size());
            const std::string value = length < kMaxPieceBytes ? line.substr(tag.size())
                                                              : line.substr(tag.size(), 253 - tag.size());
            std::string list = line + "\r\n";
            if (tag == "<NAME>")
                list += "<COMMENT>first\r\n";
            list += "<NAME>next\r\n<COMMENT>second\r\n";

            const std::string first = tag == "<NAME>" ? value + "\t\t\t\t\t\t\t\t\t\t\tfirst\r\n"
                                                      : "\t\t\t\t\t\t\t\t\t\t\t" + value + "\r\n";
            EXPECT_EQ(Convert(list), first + "next\t\t\t\t\t\t\t\t\t\t\tsecond\r\n");
        }
    }
}

// Text built from several values runs past the old record buffer (511
// bytes) and formatter (1,024 bytes): the record still holds all of it.
TEST_F(LengthTest, RecordsLongerThanTheOldBuffers)
{
    for (size_t semicolons : {1, 120, 121, 230, 231}) {
        SCOPED_TRACE(std::to_string(semicolons) + " semicolons in the proxy value");
        ResetFakeWindow();
        const std::string name = Text(240), url = "http://" + Text(233), size = Text(247), comment = Text(244);
        const std::string option = "<OPTION>Proxy=" + std::string(semicolons, ';') + " Brows=1";
        ASSERT_LE(option.size(), 253u);
        const std::string list = "<NAME>" + name + "\r\n<URL>" + url + "\r\n" + option +
                                 "\r\n<TIME>2001/02/03 04:05\r\n<SIZE>" + size + "\r\n<COMMENT>" + comment + "\r\n";
        const std::string record = name + "\t" + url + "\t" + size + "\t2001/02/03 04:05\t\t\t\t\t1\t" +
                                   "0;;0;;0;;0;;0;;;;;;\t0;;1;;" + std::string(2 * semicolons, ';') + ";;0;;;;\t" +
                                   comment + "\r\n";
        ASSERT_GT(record.size(), 1025u);
        EXPECT_EQ(Convert(list), record);
    }
}

// The names of a branch chosen so that the deepest folder's path is exactly
// `length` bytes long; each name at most 200 bytes.
std::vector<std::string> BranchNames(size_t destLength, size_t length)
{
    std::vector<std::string> names;
    size_t left = length - destLength;
    while (left > 0) {
        size_t bytes = std::min<size_t>(200, left - 1);
        if (left - (bytes + 1) == 1)
            --bytes;  // leave room for one more name of at least one byte
        names.push_back(std::to_string(names.size()) + Text(bytes - std::to_string(names.size()).size()));
        left -= bytes + 1;
    }
    return names;
}

TEST_F(LengthTest, FolderPathsOfEveryLength)
{
    for (size_t length : kLengths) {
        SCOPED_TRACE("folder path of " + std::to_string(length) + " bytes");
        ResetFakeWindow();
        const std::string dest = sandbox.Dest(std::to_string(length));
        ASSERT_TRUE(std::filesystem::create_directory(dest));
        const std::vector<std::string> names = BranchNames(dest.size(), length);
        std::string tree;
        for (size_t depth = 0; depth < names.size(); ++depth) {
            tree += std::string(depth + 1, ' ') + names[depth] + "\r\n";
            WriteFile(sandbox.Old(names[depth] + ".wls"), ItemList(1));
        }
        WriteFile(sandbox.Old("tree.wtr"), tree);

        EXPECT_EQ(ImportTree(nullptr, EnginePath(sandbox.Old("tree.wtr")), EnginePath(dest)), 1);

        std::string deepest = dest;
        for (const std::string& name : names)
            deepest += "/" + name;
        ASSERT_EQ(deepest.size(), length);
        EXPECT_EQ(CountRecords(ReadFile(deepest + "/Item.dat")), 1u);
        EXPECT_TRUE(Fake().Boxes().empty()) << Describe(Fake().events);
        EXPECT_EQ(Fake().LastStatus(), FormatProgress(1, 1));
    }
}

// Item list paths around the old 255-byte buffer, and a name too long for
// the file system's own limit (255 bytes a name): that list cannot be
// opened, and its box names the whole path.
TEST_F(LengthTest, ItemListPathsOfEveryLength)
{
    const std::string oldFolder = EnginePath(sandbox.Old());
    for (size_t length : {254, 255, 256, 257}) {
        SCOPED_TRACE("item list path of " + std::to_string(length) + " bytes");
        ResetFakeWindow();
        const std::string name = Text(length - oldFolder.size() - 1 - 4);
        WriteFile(sandbox.Old(name + ".wls"), ItemList(2));
        WriteFile(sandbox.Old("tree.wtr"), " " + name + "\r\n");

        EXPECT_EQ(ImportTree(nullptr, EnginePath(sandbox.Old("tree.wtr")), EnginePath(sandbox.Dest())), 1);
        EXPECT_EQ(CountRecords(ReadFile(sandbox.Dest(name + "/Item.dat"))), 2u);
        EXPECT_TRUE(Fake().Boxes().empty()) << Describe(Fake().events);
    }

    ResetFakeWindow();
    const auto outside = sandbox.Outside();
    const std::string longName = Text(252);
    WriteFile(sandbox.Old("tree.wtr"), " " + longName + "\r\n");
    EXPECT_EQ(ImportTree(nullptr, EnginePath(sandbox.Old("tree.wtr")), EnginePath(sandbox.Dest())), 0);
    const std::string listPath = oldFolder + "\\" + longName + ".wls";
    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{BoxEvent(nullptr, listPath + kCannotOpenListSuffix,
                                                                  kErrorCaption, kBoxError)})
        << Describe(Fake().events);
    auto after = sandbox.Outside();
    after.erase("old/tree.wtr");
    auto before = outside;
    before.erase("old/tree.wtr");
    EXPECT_EQ(after, before);
}

}  // namespace
