// Tree line parsing, the folder part of a path, the line count and the
// progress text on any bytes. The first eight bytes are the two counts of
// the progress text; the rest is the line.
#include "fuzz_support.h"
#include "lead_bytes.h"
#include "messages.h"
#include "reference_lines.h"
#include "tree_walk.h"

#include <cstdlib>
#include <cstring>

namespace {

void CheckParse(std::string_view line, const LeadByteTable& table)
{
    SetLeadByteTable(table);
    std::string name = "\x01untouched";
    int depth = ParseTreeLine(line, name);
    if (line.empty()) {
        FUZZ_CHECK(depth == -1 && name == "\x01untouched");
        return;
    }
    FUZZ_CHECK(depth >= 0 && static_cast<size_t>(depth) + name.size() <= line.size());
    FUZZ_CHECK(line.substr(0, depth).find_first_not_of(' ') == std::string_view::npos);
    FUZZ_CHECK(line.substr(depth, name.size()) == name);
    FUZZ_CHECK(name.find_first_of(":*") == std::string::npos);
    FUZZ_CHECK(name.empty() || name[0] != ' ');
    // A 0x5C in what was kept is always the second byte of a character.
    for (size_t i = 0; i < depth + name.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(line[i])))
            ++i;
        else
            FUZZ_CHECK(line[i] != '\\');
    }
}

void CheckParentFolder(std::string_view path)
{
    std::string parent = GetParentFolder(path);
    size_t last = path.rfind('\\');
    if (last == std::string_view::npos) {
        FUZZ_CHECK(parent == ".");
        return;
    }
    FUZZ_CHECK(parent.size() == last && path.substr(0, last) == parent);
}

void CheckProgress(int done, int total)
{
    std::string text = FormatProgress(done, total);
    const size_t prefix = std::strlen(kProgressPrefix), suffix = std::strlen(kProgressSuffix);
    FUZZ_CHECK(text.size() > prefix + suffix);
    FUZZ_CHECK(text.compare(0, prefix, kProgressPrefix) == 0);
    FUZZ_CHECK(text.compare(text.size() - suffix, suffix, kProgressSuffix) == 0);
    int percent = std::atoi(text.substr(prefix, text.size() - prefix - suffix).c_str());
    FUZZ_CHECK(percent >= 0 && percent <= 100);
    if (total <= 0 || done >= total)
        FUZZ_CHECK(percent == 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    int done, total;
    std::memcpy(&done, data, sizeof done);
    std::memcpy(&total, data + 4, sizeof total);
    std::string_view line(reinterpret_cast<const char*>(data) + 8, size - 8);

    CheckParse(line, SingleByteLeadBytes());
    CheckParse(line, CodePage932LeadBytes());
    CheckParentFolder(line);
    CheckProgress(done, total);

    // The walk counts lines as the reader gives them.
    const std::string path = ScratchFolder() + "/tree.wtr";
    FUZZ_CHECK(WriteBytes(path, line));
    FUZZ_CHECK(CountLines(EnginePath(path)) == static_cast<int>(ReferencePieces(line).size()));
    FUZZ_CHECK(CountLines(EnginePath(ScratchFolder() + "/missing.wtr")) == -1);
    return 0;
}
