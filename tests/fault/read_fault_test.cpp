// Reading that fails: an item list or a tree file that is a folder, and a
// tree file that vanishes or changes between the line count and the walk.
#include "sandbox.h"

#include "fake_window.h"
#include "import_options.h"
#include "messages.h"
#include "tree_walk.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

WindowHandle const kOwner = reinterpret_cast<WindowHandle>(0x1234);

class ReadFaultTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFakeWindow(); }

    int Walk() { return ImportTree(kOwner, EnginePath(sandbox.Old("tree.wtr")), EnginePath(sandbox.Dest())); }

    Sandbox sandbox;
};

TEST_F(ReadFaultTest, ItemListThatIsAFolder)
{
    WriteFile(sandbox.Old("tree.wtr"), " A\r\n B\r\n C\r\n");
    WriteFile(sandbox.Old("A.wls"), ItemList(4));
    ASSERT_EQ(mkdir(sandbox.Old("B.wls").c_str(), 0777), 0);
    WriteFile(sandbox.Old("C.wls"), ItemList(4));
    const auto outside = sandbox.Outside();

    EXPECT_EQ(Walk(), 0);

    const WindowEvent cannotOpen =
        BoxEvent(nullptr, EnginePath(sandbox.Old("B.wls")) + kCannotOpenListSuffix, kErrorCaption, kBoxError);
    EXPECT_EQ(Fake().Boxes(), std::vector<WindowEvent>{cannotOpen}) << Describe(Fake().events);
    EXPECT_EQ(CountRecords(ReadFile(sandbox.Dest("A/Item.dat"))), 4u);
    EXPECT_EQ(Fake().LastStatus(), FormatProgress(1, 3));
    // B's folder was made before its list was read; whatever Item.dat it got
    // holds no record.
    EXPECT_TRUE(Exists(sandbox.Dest("B")));
    EXPECT_EQ(ReadFile(sandbox.Dest("B/Item.dat")), "");
    EXPECT_FALSE(Exists(sandbox.Dest("C")));
    EXPECT_EQ(sandbox.Outside(), outside);
}

TEST_F(ReadFaultTest, TreeFileThatIsAFolderOrMissing)
{
    for (bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "missing");
        ResetFakeWindow();
        if (folder)
            ASSERT_EQ(mkdir(sandbox.Old("tree.wtr").c_str(), 0777), 0);
        else
            ASSERT_EQ(rmdir(sandbox.Old("tree.wtr").c_str()), 0);
        const auto outside = sandbox.Outside();

        EXPECT_EQ(Walk(), 0);

        EXPECT_EQ(Fake().events, std::vector<WindowEvent>{BoxEvent(kOwner, kCannotOpenTree, kErrorCaption, kBoxError)})
            << Describe(Fake().events);
        EXPECT_TRUE(std::filesystem::is_empty(sandbox.Dest()));
        EXPECT_EQ(sandbox.Outside(), outside);
    }
}

// Serves the tree file as a FIFO: its first reader (the line count) gets
// `first`. Before that reader can see the end, the path is removed and, when
// `second` is given, replaced by a new FIFO whose reader (the walk) gets
// `second`. The FIFO's open rendezvous makes the order fixed.
class ChangingTreeFile {
public:
    ChangingTreeFile(std::string path, std::string first, std::optional<std::string> second)
        : path_(std::move(path))
    {
        if (mkfifo(path_.c_str(), 0600) != 0)
            ADD_FAILURE() << "mkfifo " << path_;
        thread_ = std::thread([this, first = std::move(first), second = std::move(second)] {
            int fd = OpenForWriting();
            Write(fd, first);
            unlink(path_.c_str());
            if (second)
                mkfifo(path_.c_str(), 0600);
            close(fd);  // only now does the count reach its end
            if (second) {
                fd = OpenForWriting();
                Write(fd, *second);
                close(fd);
            }
        });
    }
    ~ChangingTreeFile() { thread_.join(); }

private:
    // Waits, at most 20 seconds, for a reader to open the FIFO.
    int OpenForWriting()
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
                return fd;
            }
            if (errno != ENXIO || std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "no reader opened " << path_;
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    static void Write(int fd, const std::string& bytes)
    {
        size_t done = 0;
        while (fd >= 0 && done < bytes.size()) {
            ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
    }

    std::string path_;
    std::thread thread_;
};

TEST_F(ReadFaultTest, TreeFileThatVanishesAfterCounting)
{
    WriteFile(sandbox.Old("A.wls"), ItemList(2));
    const auto outside = sandbox.Outside();
    int result;
    {
        ChangingTreeFile tree(sandbox.Old("tree.wtr"), " A\r\n", std::nullopt);
        result = Walk();
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Fake().events, std::vector<WindowEvent>{BoxEvent(kOwner, kCannotOpenTree, kErrorCaption, kBoxError)})
        << Describe(Fake().events);
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.Dest()));
    EXPECT_EQ(sandbox.Outside(), outside);
}

// The walk goes by the file it reads; the progress never passes 100 and
// stops wherever the file ends.
TEST_F(ReadFaultTest, TreeFileThatChangesAfterCounting)
{
    struct Case {
        const char* counted;
        const char* walked;
        std::vector<int> progress;   // percentages shown, in order
    };
    const Case cases[] = {
        {" A\r\n B\r\n", " A\r\n B\r\n C\r\n D\r\n", {50, 100, 100, 100}},
        {" A\r\n B\r\n C\r\n D\r\n", " A\r\n B\r\n", {25, 50}},
        {" A\r\n B\r\n C\r\n D\r\n", "", {}},
    };
    for (const char* name : {"A", "B", "C", "D"})
        WriteFile(sandbox.Old(std::string(name) + ".wls"), ItemList(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("walked: ") + c.walked);
        ResetFakeWindow();
        int result;
        {
            ChangingTreeFile tree(sandbox.Old("tree.wtr"), c.counted, std::string(c.walked));
            result = Walk();
        }
        EXPECT_EQ(result, 1);
        std::vector<WindowEvent> expected;
        for (int percent : c.progress)
            expected.push_back(StatusEvent(kProgressPrefix + std::to_string(percent) + kProgressSuffix));
        EXPECT_EQ(Fake().events, expected) << Describe(Fake().events);
        const size_t walkedLines = c.progress.size();
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(Exists(sandbox.Dest(std::string(1, static_cast<char>('A' + i)) + "/Item.dat")), i < walkedLines)
                << static_cast<char>('A' + i);
        std::filesystem::remove_all(sandbox.Dest());
        std::filesystem::create_directory(sandbox.Dest());
        unlink(sandbox.Old("tree.wtr").c_str());
    }
}

}  // namespace
