// Converting one item list into a folder's Item.dat.
#include "item_list.h"

#include "expected_texts.h"
#include "fake_window.h"
#include "file_system.h"
#include "import_options.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

// One line of Item.dat: 12 tab-separated fields, fields 5 to 8 always empty.
std::string Record(const std::string& name, const std::string& url, const std::string& size,
                   const std::string& date, const std::string& brows, const std::string& meta,
                   const std::string& proxy, const std::string& comment)
{
    return name + "\t" + url + "\t" + size + "\t" + date + "\t\t\t\t\t" + brows + "\t" + meta + "\t" +
           proxy + "\t" + comment + "\r\n";
}

// The fields of the first line of Item.dat (without its CR LF).
std::vector<std::string> FirstRecordFields(const std::string& itemDat)
{
    std::vector<std::string> fields;
    std::string line = itemDat.substr(0, itemDat.find("\r\n"));
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

size_t CountRecords(const std::string& itemDat)
{
    size_t count = 0;
    for (size_t at = itemDat.find("\r\n"); at != std::string::npos; at = itemDat.find("\r\n", at + 2))
        ++count;
    return count;
}

void SetAllOptions(int flag)
{
    importOptions = ImportOptions{flag, flag, flag, flag, flag};
}

class ItemListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        SetAllOptions(0);
        ASSERT_TRUE(CreateFolder(folder));
    }
    void TearDown() override { SetAllOptions(0); }

    // Converts a list of these bytes; expects success without a box and
    // gives Item.dat's bytes.
    std::string Convert(const std::string& listBytes)
    {
        EXPECT_TRUE(WriteBytes(listPath, listBytes));
        EXPECT_EQ(ConvertItemList(listPath, folder), 1);
        EXPECT_TRUE(Fake().Boxes().empty()) << Describe(Fake().events);
        return ReadBytes(datPath);
    }

    TempFolder temp;
    const std::string listPath = temp / "list.wls";
    const std::string folder = temp / "out";
    const std::string datPath = folder + "\\Item.dat";
};

// The ten-line list of the design's worked example.
const std::string kWorkedExample =
    "<NAME>Top page\n"
    "<URL>a/top.html\n"
    "<OPTION>Brows=0 META=USE mTYPE=x mNAME=y mCONTENT=z Proxy=p;q:8080\n"
    "<TIME>2000/01/22 06:24\n"
    "<SIZE>1234\n"
    "<COMMENT>first item\n"
    "<NAME>*Local\n"
    "<URL>file://C:/doc/a.html\n"
    "<SIZE>no size\n"
    "<COMMENT>\n";

TEST_F(ItemListTest, WorkedExampleWithAllOptions)
{
    SetAllOptions(1);
    EXPECT_EQ(Convert(kWorkedExample),
              Record("Top page", "a/top.html", "1234", "2000/01/22 06:24", "0", "0;;0;;0;;0;;1;;x;;y;;z",
                     "0;;1;;p;;q:8080;;0;;;;", "first item") +
                  Record("Local", "File:///C:/doc/a.html", "", "2000/01/22 06:24", "0",
                         "0;;0;;0;;0;;1;;x;;y;;z", "0;;1;;p;;q:8080;;0;;;;", ""));
}

TEST_F(ItemListTest, WorkedExampleWithNoOptions)
{
    EXPECT_EQ(Convert(kWorkedExample),
              Record("Top page", "a/top.html", "", "", "0", "", "", "") +
                  Record("Local", "File:///C:/doc/a.html", "", "", "0", "", "", ""));
}

TEST_F(ItemListTest, WorkedExampleWithSomeOptions)
{
    struct Mixed {
        ImportOptions options;  // date, size, meta, proxy, comment
        std::string first, second;
    };
    const std::vector<Mixed> cases = {
        {{1, 0, 0, 0, 1},
         Record("Top page", "a/top.html", "", "2000/01/22 06:24", "0", "", "", "first item"),
         Record("Local", "File:///C:/doc/a.html", "", "2000/01/22 06:24", "0", "", "", "")},
        {{0, 1, 1, 0, 0},
         Record("Top page", "a/top.html", "1234", "", "0", "0;;0;;0;;0;;1;;x;;y;;z", "", ""),
         Record("Local", "File:///C:/doc/a.html", "", "", "0", "0;;0;;0;;0;;1;;x;;y;;z", "", "")},
        {{0, 0, 0, 1, 0},
         Record("Top page", "a/top.html", "", "", "0", "", "0;;1;;p;;q:8080;;0;;;;", ""),
         Record("Local", "File:///C:/doc/a.html", "", "", "0", "", "0;;1;;p;;q:8080;;0;;;;", "")},
    };
    for (const Mixed& c : cases) {
        importOptions = c.options;
        EXPECT_EQ(Convert(kWorkedExample), c.first + c.second)
            << "date " << c.options.importDate << " size " << c.options.importSize << " meta "
            << c.options.importMeta << " proxy " << c.options.importProxy << " comment "
            << c.options.importComment;
    }
}

struct TagCase {
    std::string line;
    std::string tag;
    std::string value;   // expected; "old" when the value must stay untouched
};

TEST(GetTagValue, TagRule)
{
    const std::vector<TagCase> cases = {
        {"<NAME>Top page\n", "<NAME>", "Top page"},
        {"<NAME>*Top\n", "<NAME>", "Top"},
        {"<NAME>A*B\n", "<NAME>", "*B"},
        {"<URL>a/*.html\n", "<URL>", "/*.html"},
        {"<NAME>**a\n", "<NAME>", "*a"},
        {"<NAME>*\n", "<NAME>", ""},
        {"<NAME>*", "<NAME>", ""},
        {"<NAME>\n", "<NAME>", ""},
        {"<NAME>", "<NAME>", ""},
        {"<NAME>Top", "<NAME>", "To"},
        {"<NAME>a\r", "<NAME>", "a"},
        {"x>y<NAME>z\n", "<NAME>", "y<NAME>z"},
        {"  <NAME>z\n", "<NAME>", "z"},
        {"<NAME>\x83\x5C\x83\x74\x83\x67\n", "<NAME>", "\x83\x5C\x83\x74\x83\x67"},
        {"<NAME>\x83\x5C\x83\x74\x83\x67", "<NAME>", "\x83\x5C\x83\x74\x83"},
        {"<name>Top\n", "<NAME>", "old"},
        {"<URL>x\n", "<NAME>", "old"},
        {"NAME>x\n", "<NAME>", "old"},
        {"", "<NAME>", "old"},
    };
    for (const TagCase& c : cases) {
        std::string value = "old";
        GetTagValue(c.line, value, c.tag);
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST(GetOptionValue, OptionRule)
{
    const std::vector<TagCase> cases = {
        {"<OPTION>Brows=0\n", "Brows=", "0"},
        {"<OPTION>Brows=a b\n", "Brows=", "a"},
        {"<OPTION>Brows=a\tb c\n", "Brows=", "a\tb"},
        {"<OPTION>Brows=a\rb\n", "Brows=", "a"},
        {"<OPTION>Brows=abc", "Brows=", "abc"},
        {"<OPTION>Brows=", "Brows=", ""},
        {"<OPTION>Brows=\n", "Brows=", ""},
        {"<OPTION>Brows= 1\n", "Brows=", ""},
        {"<OPTION>Brows=2 Brows=3\n", "Brows=", "2"},
        {"<OPTION>mNAME=xBrows=9 Brows=1\n", "Brows=", "9"},
        {"<OPTION>Proxy=p;q:8080 x\n", "Proxy=", "p;q:8080"},
        {"<OPTION>mCONTENT=2003;05\n", "mCONTENT=", "2003;05"},
        {"<OPTION>brows=1\n", "Brows=", "old"},
        {"<OPTION>\n", "Brows=", "old"},
    };
    for (const TagCase& c : cases) {
        std::string value = "old";
        GetOptionValue(c.line, value, c.tag);
        EXPECT_EQ(value, c.value) << c.line;
    }
}

struct FieldCase {
    std::string list;
    int field;           // 1 to 12
    std::string value;
};

TEST_F(ItemListTest, RestOfLineRule)
{
    SetAllOptions(1);
    const std::vector<FieldCase> cases = {
        {"<TIME>2000/01/22 06:24\n<COMMENT>\n", 4, "2000/01/22 06:24"},
        {"<TIME>*1999\n<COMMENT>\n", 4, "*1999"},
        {"<TIME>no date\n<COMMENT>\n", 4, ""},
        {"<TIME>2000 no date here\n<COMMENT>\n", 4, ""},
        {"<TIME>No Date\n<COMMENT>\n", 4, "No Date"},
        {"<TIME>\n<COMMENT>\n", 4, ""},
        {"<SIZE>1234\n<COMMENT>\n", 3, "1234"},
        {"<SIZE>12 no size\n<COMMENT>\n", 3, ""},
        {"<SIZE>no sizes\n<COMMENT>\n", 3, ""},
        {"<SIZE>a>b\n<COMMENT>\n", 3, "a>b"},
        {"x>y<SIZE>5\n<COMMENT>\n", 3, "y<SIZE>5"},
        {"\t<SIZE>5\n<COMMENT>\n", 3, "5"},
        {"<COMMENT>a comment\n", 12, "a comment"},
        {"<COMMENT>*c\n", 12, "*c"},
        {"<COMMENT>a\rb\n", 12, "a\rb"},
        {"<COMMENT>a\r\n", 12, "a"},
        {std::string("<COMMENT>ab\0cd\n", 15), 12, "a"},
        {"<COMMENT>abc", 12, "ab"},
        {"<COMMENT>", 12, ""},
        {"<COMMENT>\x95\x5C\x8E\xA6\n", 12, "\x95\x5C\x8E\xA6"},
        // One line, several tags: each test looks at the whole line.
        {"<SIZE>1<TIME>2\n<COMMENT>\n", 3, "1<TIME>2"},
        {"<SIZE>1<TIME>2\n<COMMENT>\n", 4, "1<TIME>2"},
        {"<NAME>n<COMMENT>c\n", 1, "n<COMMENT>c"},
        {"<NAME>n<COMMENT>c\n", 12, "n<COMMENT>c"},
        {"<URL>u<NAME>*n\n<COMMENT>\n", 2, "<NAME>*n"},
    };
    for (const FieldCase& c : cases) {
        std::string dat = Convert(c.list);
        ASSERT_EQ(CountRecords(dat), 1u) << c.list;
        std::vector<std::string> fields = FirstRecordFields(dat);
        ASSERT_EQ(fields.size(), 12u) << c.list;
        EXPECT_EQ(fields[c.field - 1], c.value) << c.list;
    }
}

TEST_F(ItemListTest, OptionKeys)
{
    SetAllOptions(1);
    struct OptionCase {
        std::string line;
        std::string brows, meta, proxy;
    };
    const std::vector<OptionCase> cases = {
        {"<OPTION>Brows=0", "0", "0;;0;;0;;0;;0;;;;;;", ""},
        {"<OPTION>", "", "0;;0;;0;;0;;0;;;;;;", ""},
        {"<OPTION>META=USE", "", "0;;0;;0;;0;;1;;;;;;", ""},
        {"<OPTION>xMETA=USEy", "", "0;;0;;0;;0;;1;;;;;;", ""},
        {"<OPTION>META=use", "", "0;;0;;0;;0;;0;;;;;;", ""},
        {"<OPTION>mTYPE=t mNAME=n mCONTENT=c", "", "0;;0;;0;;0;;0;;t;;n;;c", ""},
        {"<OPTION>mNAME=a;b", "", "0;;0;;0;;0;;0;;;;a;b;;", ""},
        {"<OPTION>mTYPE=mNAME=n", "", "0;;0;;0;;0;;0;;mNAME=n;;n;;", ""},
        {"<OPTION>Proxy=p;q", "", "0;;0;;0;;0;;0;;;;;;", "0;;1;;p;;q;;0;;;;"},
        {"<OPTION>Proxy=", "", "0;;0;;0;;0;;0;;;;;;", "0;;1;;;;0;;;;"},
        {"<OPTION>Proxy= Brows=1", "1", "0;;0;;0;;0;;0;;;;;;", "0;;1;;;;0;;;;"},
        {"<OPTION>Proxy=;;", "", "0;;0;;0;;0;;0;;;;;;", "0;;1;;;;;;;;0;;;;"},
        {"<OPTION>Proxy=h:80;x\ty", "", "0;;0;;0;;0;;0;;;;;;", "0;;1;;h:80;;x\ty;;0;;;;"},
        {"<OPTION>proxy=p", "", "0;;0;;0;;0;;0;;;;;;", ""},
        {"<OPTION>Brows=2 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=* Proxy=a:1;b",
         "2", "0;;0;;0;;0;;1;;http-equiv;;Last-Modified;;*", "0;;1;;a:1;;b;;0;;;;"},
    };
    for (const OptionCase& c : cases) {
        EXPECT_EQ(Convert(c.line + "\n<COMMENT>\n"), Record("", "", "", "", c.brows, c.meta, c.proxy, ""))
            << c.line;
    }
}

TEST_F(ItemListTest, FileRewrite)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"file://C:/doc/a.html", "File:///C:/doc/a.html"},
        {"file:///C:/x", "File:////C:/x"},
        {"FILE://C:/a", "FILE://C:/a"},
        {"File://C:/a", "File://C:/a"},
        {"page?u=file://b", "File://=file://b"},
        {"http://example.jp/", "http://example.jp/"},
        {"file:/x", "file:/x"},
    };
    for (const auto& [url, rewritten] : cases) {
        std::string dat = Convert("<URL>" + url + "\n<COMMENT>\n");
        EXPECT_EQ(FirstRecordFields(dat).at(1), rewritten) << url;
    }
}

TEST_F(ItemListTest, ValuesCarryOverFromEarlierItems)
{
    SetAllOptions(1);
    const std::string list =
        // First item: no option line and no name before its comment.
        "<URL>http://a/\n"
        "<TIME>2001/01/01\n"
        "<COMMENT>one\n"
        // Second: sets the options and a name; date carries over.
        "<NAME>two\n"
        "<OPTION>Brows=1 META=USE Proxy=p:1\n"
        "<SIZE>20\n"
        "<COMMENT>two\n"
        // An item without a comment line is never written...
        "<NAME>lost\n"
        "<URL>page?u=file://b\n"
        "<TIME>2003/03/03\n"
        // ...but its values reach the next record.
        "<COMMENT>three\n"
        // A new option line sets all three option values anew.
        "<OPTION>mNAME=n\n"
        "<COMMENT>four\n"
        // The rewritten URL is the current URL and is rewritten again.
        "<COMMENT>five\n";
    const std::string meta2 = "0;;0;;0;;0;;1;;;;;;";
    const std::string meta4 = "0;;0;;0;;0;;0;;;;n;;";
    EXPECT_EQ(Convert(list),
              Record("", "http://a/", "", "2001/01/01", "", "", "", "one") +
                  Record("two", "http://a/", "20", "2001/01/01", "1", meta2, "0;;1;;p:1;;0;;;;", "two") +
                  Record("lost", "File://=file://b", "20", "2003/03/03", "1", meta2, "0;;1;;p:1;;0;;;;",
                         "three") +
                  Record("lost", "File:///=file://b", "20", "2003/03/03", "", meta4, "", "four") +
                  Record("lost", "File:////=file://b", "20", "2003/03/03", "", meta4, "", "five"));
}

TEST_F(ItemListTest, ListWithoutCommentGivesEmptyItemDat)
{
    ASSERT_TRUE(WriteBytes(datPath, "an earlier run's records\r\n"));
    EXPECT_EQ(Convert("<NAME>a\n<URL>b\nno tags here\n"), "");
    EXPECT_TRUE(FileExists(datPath));
    EXPECT_EQ(Convert(""), "");
}

TEST_F(ItemListTest, LastLineWithoutLineFeed)
{
    SetAllOptions(1);
    EXPECT_EQ(Convert("<NAME>n\n<COMMENT>abc"), Record("n", "", "", "", "", "", "", "ab"));
    EXPECT_EQ(Convert("<NAME>n\n<COMMENT>"), Record("n", "", "", "", "", "", "", ""));
    EXPECT_EQ(Convert("<NAME>*n\r\n<COMMENT>x\r\n<NAME>last"), Record("n", "", "", "", "", "", "", "x"));
}

TEST_F(ItemListTest, LongCommentLineIsReadAsTwoPieces)
{
    SetAllOptions(1);
    // 300 bytes and a line feed: a piece of 254 bytes and one of 47, which is
    // examined as a line of its own (here it holds a name).
    std::string value;
    for (int i = 0; value.size() < 245; ++i)
        value.push_back(static_cast<char>('a' + i % 26));
    std::string tail = "<NAME>" + std::string(40, 'n');
    std::string line = "<COMMENT>" + value + tail;
    ASSERT_EQ(line.size(), 300u);
    std::string dat = Convert(line + "\n<COMMENT>second\n");
    EXPECT_EQ(dat, Record("", "", "", "", "", "", "", value.substr(0, 244)) +
                       Record(std::string(40, 'n'), "", "", "", "", "", "", "second"));
}

TEST_F(ItemListTest, EndOfFileByteEndsTheList)
{
    SetAllOptions(1);
    EXPECT_EQ(Convert("<NAME>a\r\n<COMMENT>x\r\n\x1A<NAME>b\r\n<COMMENT>y\r\n"),
              Record("a", "", "", "", "", "", "", "x"));
    EXPECT_EQ(Convert("<NAME>a\r\n<COMMENT>xy\x1A" "z\r\n"), Record("a", "", "", "", "", "", "", "x"));
}

TEST_F(ItemListTest, MissingListShowsCannotOpenAndCreatesNothing)
{
    EXPECT_EQ(ConvertItemList(temp / "missing.wls", folder), 0);
    EXPECT_EQ(Fake().events,
              std::vector<WindowEvent>{BoxEvent(nullptr, CannotOpenList(temp / "missing.wls"),
                                                kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
    EXPECT_FALSE(FileExists(datPath));

    // An Item.dat from an earlier run stays as it was.
    ResetFakeWindow();
    ASSERT_TRUE(WriteBytes(datPath, "earlier\r\n"));
    EXPECT_EQ(ConvertItemList(temp / "missing.wls", folder), 0);
    EXPECT_EQ(Fake().Boxes().size(), 1u);
    EXPECT_EQ(ReadBytes(datPath), "earlier\r\n");
}

TEST_F(ItemListTest, MissingFolderShowsCannotSave)
{
    ASSERT_TRUE(WriteBytes(listPath, "<NAME>a\n<COMMENT>\n"));
    const std::string missing = temp / "no such folder";
    EXPECT_EQ(ConvertItemList(listPath, missing), 0);
    EXPECT_EQ(Fake().events,
              std::vector<WindowEvent>{
                  BoxEvent(nullptr, CannotSave(missing + "\\Item.dat"), kExpectErrorCaption, 0x10)})
        << Describe(Fake().events);
    EXPECT_FALSE(FolderExists(missing));
}

TEST_F(ItemListTest, LongValuesAreWrittenWhole)
{
    SetAllOptions(1);
    const std::string name(240, 'N');
    const std::string url = "http://" + std::string(230, 'u');
    const std::string comment(240, 'C');
    // The META values run into one another, each up to the first space, so
    // each of the three is 200 bytes or more.
    const std::string content(200, 'z');
    const std::string metaLine = "<OPTION>mTYPE=mNAME=mCONTENT=" + content + " META=USE";
    const std::string proxyLine = "<OPTION>Brows=1 Proxy=" + std::string(230, ';');
    ASSERT_LE(metaLine.size(), 253u);
    ASSERT_LE(proxyLine.size(), 253u);
    const std::string list = "<NAME>" + name + "\n<URL>" + url + "\n" + metaLine + "\n<COMMENT>" + comment +
                             "\n" + proxyLine + "\n<COMMENT>" + comment + "\n";

    const std::string meta =
        "0;;0;;0;;0;;1;;mNAME=mCONTENT=" + content + ";;mCONTENT=" + content + ";;" + content;
    const std::string metaEmpty = "0;;0;;0;;0;;0;;;;;;";
    const std::string proxy = "0;;1;;" + std::string(460, ';') + ";;0;;;;";
    const std::string first = Record(name, url, "", "", "", meta, "", comment);
    const std::string second = Record(name, url, "", "", "1", metaEmpty, proxy, comment);
    ASSERT_GT(first.size(), 1024u);
    ASSERT_GT(second.size(), 1024u);
    EXPECT_EQ(Convert(list), first + second);
}

}  // namespace
