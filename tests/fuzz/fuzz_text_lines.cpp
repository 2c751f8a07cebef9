// The text-line reader and writer on any bytes, against the plain model in
// reference_lines.h. The first two bytes place the fuzzed bytes near the end
// of the reader's 64 KiB buffer (after that many bytes of ordinary lines), so
// that refills fall inside them, and choose whether the writer gets them
// repeated past its own buffer; the rest is the file's own content.
#include "fuzz_support.h"
#include "reference_lines.h"
#include "text_lines.h"

#include <algorithm>

namespace {

// Ordinary lines filling the file up to where the fuzzed bytes begin.
std::string Padding(size_t bytes)
{
    std::string padding;
    while (padding.size() < bytes) {
        size_t line = std::min<size_t>(100, bytes - padding.size());
        padding.append(line - 1, 'x');
        padding.push_back('\n');
    }
    return padding;
}

void CheckReader(const std::string& folder, std::string_view file)
{
    FUZZ_CHECK(WriteBytes(folder + "/lines.txt", file));
    const std::vector<std::string> expected = ReferencePieces(file);

    TextLineReader reader;
    FUZZ_CHECK(reader.Open(EnginePath(folder + "/lines.txt")));
    std::string text;
    size_t count = 0;
    while (reader.ReadLine(text)) {
        FUZZ_CHECK(count < expected.size());
        FUZZ_CHECK(text.size() <= kMaxPieceBytes);
        FUZZ_CHECK(text.find('\x1A') == std::string::npos);
        FUZZ_CHECK(text.find('\0') == std::string::npos);
        FUZZ_CHECK(text == PieceText(expected[count]));
        ++count;
    }
    FUZZ_CHECK(!reader.HadError());
    FUZZ_CHECK(count == expected.size());
    FUZZ_CHECK(!reader.ReadLine(text) && text.empty());
}

// Writes the bytes in chunks whose sizes come from the bytes themselves,
// once or repeated past the writer's 64 KiB buffer; every LF must come out as
// CR LF and nothing else change.
void CheckWriter(const std::string& folder, std::string_view bytes, bool pastBuffer)
{
    if (bytes.empty())
        return;
    std::string written, expected;
    do
        written.append(bytes);
    while (pastBuffer && written.size() < 70 * 1024);
    for (char c : written) {
        if (c == '\n')
            expected.push_back('\r');
        expected.push_back(c);
    }

    TextLineWriter writer;
    FUZZ_CHECK(writer.Open(EnginePath(folder + "/written.txt")));
    std::string_view rest = written;
    size_t i = 0;
    while (!rest.empty()) {
        size_t chunk = 1 + static_cast<unsigned char>(bytes[i++ % bytes.size()]) * 7;
        writer.Write(rest.substr(0, chunk));
        rest.remove_prefix(std::min(chunk, rest.size()));
    }
    FUZZ_CHECK(writer.Ok());
    FUZZ_CHECK(writer.Close());
    FUZZ_CHECK(ReadBytes(folder + "/written.txt") == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // 0 to 511 bytes before the end of the first 64 KiB, or none at all.
    size_t offset = (data[0] | (data[1] << 8)) % 1024;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::string file = offset < 512 ? Padding(64 * 1024 - offset) : std::string();
    file.append(bytes);

    const std::string folder = ScratchFolder();
    CheckReader(folder, file);
    CheckWriter(folder, bytes, (data[1] & 0x80) != 0);
    return 0;
}
