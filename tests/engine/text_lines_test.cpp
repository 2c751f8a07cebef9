// Reading and writing text lines as the old tool's text-mode files did.
#include "text_lines.h"

#include "fake_window.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Pieces = std::vector<std::string>;

std::string Repeat(char c, size_t count)
{
    return std::string(count, c);
}

// The pieces a reader gives for a file of these bytes.
Pieces ReadAll(const TempFolder& temp, const std::string& bytes, bool* hadError = nullptr)
{
    const std::string path = temp / "lines.txt";
    EXPECT_TRUE(WriteBytes(path, bytes));
    TextLineReader reader;
    EXPECT_TRUE(reader.Open(path));
    Pieces pieces;
    std::string piece;
    while (reader.ReadLine(piece))
        pieces.push_back(piece);
    if (hadError)
        *hadError = reader.HadError();
    return pieces;
}

// The same, worked out the plain way: translate the whole file as a text
// stream (0x1A ends it, CR LF is LF), then cut it after each LF or 254 bytes
// and end each piece's text at its first NUL.
Pieces ReferencePieces(const std::string& bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\x1A')
            break;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }
    Pieces pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = std::min(pos + 254, text.size());
        size_t lineFeed = text.find('\n', pos);
        if (lineFeed != std::string::npos && lineFeed < end)
            end = lineFeed + 1;
        std::string piece = text.substr(pos, end - pos);
        pieces.push_back(piece.substr(0, piece.find('\0')));
        pos = end;
    }
    return pieces;
}

std::string Show(const Pieces& pieces)
{
    std::string out;
    for (const std::string& piece : pieces)
        out += "[" + EscapeBytes(piece) + "] ";
    return out;
}

struct SplitCase {
    const char* what;
    std::string bytes;
    Pieces pieces;
};

TEST(TextLineReader, SplitsFilesIntoPieces)
{
    const std::string x253 = Repeat('x', 253);
    const std::string x254 = Repeat('x', 254);
    const std::vector<SplitCase> cases = {
        {"empty file", "", {}},
        {"one line", "abc\n", {"abc\n"}},
        {"CR LF reads as LF", "a\r\nb\r\n", {"a\n", "b\n"}},
        {"only CR LF", "\r\n", {"\n"}},
        {"empty lines", "\n\n", {"\n", "\n"}},
        {"lone CR stays inside a line", "a\rb\n", {"a\rb\n"}},
        {"CR CR LF keeps the first CR", "a\r\r\n", {"a\r\n"}},
        {"CR at the end of the file stays", "a\r", {"a\r"}},
        {"CR before 0x1A stays", "a\r\x1A\n", {"a\r"}},
        {"last line without LF", "abc\ndef", {"abc\n", "def"}},
        {"0x1A ends the file", std::string("ab\x1A" "cd\nef\n"), {"ab"}},
        {"0x1A first", std::string("\x1A" "abc\n"), {}},
        {"0x1A right after a LF", std::string("ab\n\x1A\n"), {"ab\n"}},
        {"NUL ends the text, not the piece", std::string("ab\0cd\nef\n", 9), {"ab", "ef\n"}},
        {"NUL first", std::string("\0ab\n", 4), {""}},
        {"253 bytes and LF: one piece", x253 + "\n", {x253 + "\n"}},
        {"253 bytes and CR LF: one piece", x253 + "\r\n", {x253 + "\n"}},
        {"254 bytes and LF: LF alone", x254 + "\n", {x254, "\n"}},
        {"254 bytes and CR LF: CR at the piece end", x254 + "\r\n", {x254, "\n"}},
        {"254 bytes, lone CR next", x254 + "\rz\n", {x254, "\rz\n"}},
        {"253 bytes, lone CR as 254th", x253 + "\rz\n", {x253 + "\r", "z\n"}},
        {"exactly 254 bytes", x254, {x254}},
        {"300 bytes", Repeat('y', 300) + "\n", {Repeat('y', 254), Repeat('y', 46) + "\n"}},
        {"600 bytes", Repeat('y', 600) + "\n",
         {Repeat('y', 254), Repeat('y', 254), Repeat('y', 92) + "\n"}},
        {"NUL in a long line",
         std::string("0123456789") + '\0' + Repeat('x', 300) + "\n",
         {"0123456789", Repeat('x', 57) + "\n"}},
        {"double-byte character cut at the piece end",
         Repeat('x', 253) + "\x83\x5C" "a\n", {Repeat('x', 253) + "\x83", "\x5C" "a\n"}},
    };
    TempFolder temp;
    for (const SplitCase& c : cases) {
        Pieces got = ReadAll(temp, c.bytes);
        EXPECT_EQ(got, c.pieces) << c.what << "\n  got " << Show(got) << "\n  want " << Show(c.pieces);
        EXPECT_EQ(ReferencePieces(c.bytes), c.pieces) << "reference model: " << c.what;
    }
}

// Lines built so that one line's CR is the byte at `offset` and its LF the
// next, all lines shorter than a piece.
std::string LinesWithCrAt(size_t offset, Pieces& expected)
{
    std::string bytes;
    while (offset - bytes.size() > 201) {
        std::string line = Repeat('a' + expected.size() % 26, 150);
        bytes += line + "\r\n";
        expected.push_back(line + "\n");
    }
    std::string line = Repeat('k', offset - bytes.size());
    bytes += line + "\r\n";
    expected.push_back(line + "\n");
    return bytes;
}

TEST(TextLineReader, CrLfAcrossTheInternalBuffer)
{
    // The reader fills 64 KiB at a time: the first fill ends after byte 65535.
    const size_t boundary = 64 * 1024;
    TempFolder temp;
    for (size_t crAt : {boundary - 2, boundary - 1, boundary, boundary + 1}) {
        Pieces expected;
        std::string bytes = LinesWithCrAt(crAt, expected);
        ASSERT_EQ(bytes[crAt], '\r');
        bytes += "tail\r\n";
        expected.push_back("tail\n");
        Pieces got = ReadAll(temp, bytes);
        ASSERT_EQ(got.size(), expected.size()) << "CR at " << crAt;
        EXPECT_EQ(got, expected) << "CR at " << crAt;
    }
}

TEST(TextLineReader, SpecialBytesAtTheInternalBuffer)
{
    const size_t boundary = 64 * 1024;
    TempFolder temp;
    std::string filler;
    while (filler.size() + 100 < boundary - 1)
        filler += Repeat('f', 99) + "\n";
    filler += Repeat('g', boundary - 1 - filler.size());   // no LF: up to byte 65534
    ASSERT_EQ(filler.size(), boundary - 1);

    const std::vector<std::pair<const char*, std::string>> tails = {
        {"lone CR as the buffer's last byte", "\rz\n"},
        {"CR as the file's last byte, at the buffer end", "\r"},
        {"0x1A as the buffer's last byte", "\x1A" "after\n"},
        {"0x1A first in the next fill", "a\x1A" "after\n"},
        {"NUL at the buffer end", std::string("\0" "cut\nnext\n", 10)},
        {"long line across the buffer end", Repeat('L', 600) + "\r\n" "end"},
    };
    for (const auto& [what, tail] : tails) {
        std::string bytes = filler + tail;
        Pieces got = ReadAll(temp, bytes);
        EXPECT_EQ(got, ReferencePieces(bytes)) << what;
    }
}

TEST(TextLineReader, LargeFileMatchesThePlainReading)
{
    // Lines of every length up to and past a piece, with CR, LF, CR LF and
    // NUL bytes scattered: 300 KB, several refills of the internal buffer.
    std::mt19937 random(20030512);
    std::string bytes;
    const char specials[] = {'\r', '\n', '\0', ' ', '\x83', '\x5C'};
    while (bytes.size() < 300 * 1024) {
        size_t length = random() % 600;
        for (size_t i = 0; i < length; ++i)
            bytes.push_back(random() % 40 == 0 ? specials[random() % sizeof specials]
                                               : static_cast<char>('a' + random() % 26));
        bytes += random() % 3 ? "\r\n" : "\n";
    }
    TempFolder temp;
    Pieces got = ReadAll(temp, bytes);
    Pieces want = ReferencePieces(bytes);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], want[i]) << "piece " << i;
}

TEST(TextLineReader, MissingFileDoesNotOpen)
{
    TempFolder temp;
    TextLineReader reader;
    EXPECT_FALSE(reader.Open(temp / "missing.txt"));
    std::string piece = "old";
    EXPECT_FALSE(reader.ReadLine(piece));
    EXPECT_FALSE(reader.HadError());
}

TEST(TextLineWriter, StoresEachLineFeedAsCrLf)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"a\tb\n", "a\tb\r\n"},
        {"no line feed", "no line feed"},
        {"\n\n", "\r\n\r\n"},
        {"cr\r\n", "cr\r\r\n"},
        {"lone\rcr", "lone\rcr"},
        {"\x83\x5C\n", "\x83\x5C\r\n"},
    };
    TempFolder temp;
    for (const auto& [text, stored] : cases) {
        const std::string path = temp / "out.dat";
        TextLineWriter writer;
        ASSERT_TRUE(writer.Open(path));
        writer.Write(text);
        EXPECT_TRUE(writer.Close());
        EXPECT_EQ(ReadBytes(path), stored) << Show({text});
    }
}

TEST(TextLineWriter, LargeWritesPastItsBuffer)
{
    // Line feeds double in size on the way out; write in uneven chunks.
    std::string text;
    std::string stored;
    for (int i = 0; text.size() < 200 * 1024; ++i) {
        std::string line = Repeat('a' + i % 26, i % 300) + "\n\n";
        text += line;
        stored += Repeat('a' + i % 26, i % 300) + "\r\n\r\n";
    }
    TempFolder temp;
    const std::string path = temp / "big.dat";
    TextLineWriter writer;
    ASSERT_TRUE(writer.Open(path));
    for (size_t pos = 0; pos < text.size(); pos += 70001)
        writer.Write(std::string_view(text).substr(pos, 70001));
    EXPECT_TRUE(writer.Ok());
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(path), stored);
}

TEST(TextLineWriter, OpenFailsWithoutItsFolder)
{
    TempFolder temp;
    TextLineWriter writer;
    EXPECT_FALSE(writer.Open(temp / "missing\\out.dat"));
}

}  // namespace
