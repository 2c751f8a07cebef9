// Item list conversion on any bytes. The first byte sets the five column
// flags; the rest is the item list. Checks that the conversion succeeds,
// writes one CR LF-ended record of at least 12 fields for each piece that
// holds "<COMMENT>", and that the tag and option rules applied to the raw
// bytes give a slice of them, or leave the value alone when the tag or key is
// absent.
#include "fuzz_support.h"
#include "import_options.h"
#include "item_list.h"
#include "reference_lines.h"

#include <algorithm>

namespace {

const char kUntouched[] = "\x01untouched";

void CheckTagValue(std::string_view line, std::string_view tag)
{
    std::string value = kUntouched;
    GetTagValue(line, value, tag);
    if (line.find(tag) == std::string_view::npos) {
        FUZZ_CHECK(value == kUntouched);
        return;
    }
    FUZZ_CHECK(value.size() < line.size());
    FUZZ_CHECK(line.find(value) != std::string_view::npos);
}

void CheckOptionValue(std::string_view line, std::string_view key)
{
    std::string value = kUntouched;
    GetOptionValue(line, value, key);
    size_t at = line.find(key);
    if (at == std::string_view::npos) {
        FUZZ_CHECK(value == kUntouched);
        return;
    }
    FUZZ_CHECK(line.substr(at + key.size()).substr(0, value.size()) == value);
    FUZZ_CHECK(value.find_first_of(" \r\n") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int flags = data[0];
    importOptions = ImportOptions{flags & 1, (flags >> 1) & 1, (flags >> 2) & 1, (flags >> 3) & 1, (flags >> 4) & 1};
    const std::string_view list(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string folder = ScratchFolder();
    FUZZ_CHECK(WriteBytes(folder + "/list.wls", list));
    FUZZ_CHECK(ConvertItemList(EnginePath(folder + "/list.wls"), EnginePath(folder)) == 1);
    FUZZ_CHECK(TakeBoxCount() == 0);

    size_t comments = 0;
    for (const std::string& piece : ReferencePieces(list))
        if (PieceText(piece).find("<COMMENT>") != std::string::npos)
            ++comments;
    const std::string dat = ReadBytes(folder + "/Item.dat");
    FUZZ_CHECK(static_cast<size_t>(std::count(dat.begin(), dat.end(), '\n')) == comments);
    size_t start = 0;
    while (start < dat.size()) {
        size_t end = dat.find('\n', start);
        FUZZ_CHECK(end != std::string::npos && end > start && dat[end - 1] == '\r');
        FUZZ_CHECK(std::count(dat.begin() + start, dat.begin() + end, '\t') >= 11);
        start = end + 1;
    }

    for (std::string_view tag : {"<NAME>", "<URL>", "<OPTION>", "<TIME>", "<SIZE>", "<COMMENT>"})
        CheckTagValue(list, tag);
    for (std::string_view key : {"Brows=", "mTYPE=", "mNAME=", "mCONTENT=", "Proxy=", "META=USE"})
        CheckOptionValue(list, key);
    return 0;
}
