// An item list holds items as groups of tagged lines; the comment line ends
// an item and writes its record:
//
//   <NAME>Top page
//   <URL>a/top.html
//   <OPTION>Brows=0 META=USE mTYPE=x mNAME=y mCONTENT=z Proxy=p;q:8080
//   <TIME>2000/01/22 06:24
//   <SIZE>1234
//   <COMMENT>first item
//
// becomes one line of Item.dat with 12 tab-separated fields:
//
//   Top page, a/top.html, 1234, 2000/01/22 06:24, -, -, -, -, 0,
//   0;;0;;0;;0;;1;;x;;y;;z, 0;;1;;p;;q:8080;;0;;;;, first item
//
// Values an item does not set carry over from earlier items of the same list.
#include "item_list.h"

#include "import_options.h"
#include "messages.h"
#include "text_lines.h"
#include "window_ops.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

ImportOptions importOptions;

namespace {

bool Holds(std::string_view line, std::string_view text)
{
    return line.find(text) != std::string_view::npos;
}

// Copies a value over the one held before. assign() takes the library's
// general replace path, which checks whether the source lies inside the
// string; a value never does, and a resize and a plain copy cost less.
void CopyValue(std::string_view from, std::string& to)
{
    to.resize(from.size());
    if (!from.empty())
        std::memcpy(to.data(), from.data(), from.size());
}

// Sets `out` to the parts one after another: sized once and copied part by
// part, rather than grown by one append per part.
void Concatenate(std::initializer_list<std::string_view> parts, std::string& out)
{
    size_t bytes = 0;
    for (std::string_view part : parts)
        bytes += part.size();
    out.resize(bytes);
    char* at = out.data();
    for (std::string_view part : parts)
        at = std::copy(part.begin(), part.end(), at);
}

// Everything after the line's first '>', less the last byte.
void GetRestOfLine(std::string_view line, std::string& value)
{
    size_t close = line.find('>');
    std::string_view rest = close == std::string_view::npos ? std::string_view() : line.substr(close + 1);
    if (!rest.empty())
        rest.remove_suffix(1);
    CopyValue(rest, value);
}

// The proxy value with every ';' doubled, in the proxy setting's frame.
void BuildProxySetting(std::string_view proxy, std::string& setting)
{
    setting.assign("0;;1;;");
    for (char c : proxy) {
        setting.push_back(c);
        if (c == ';')
            setting.push_back(';');
    }
    setting.append(";;0;;;;");
}

// The tag value rule, for a line known to hold the tag.
void TakeTagValue(std::string_view line, std::string& value)
{
    std::string_view rest = line.substr(line.find('>') + 1);
    if (rest.find('*') != std::string_view::npos)
        rest.remove_prefix(1);
    if (!rest.empty())
        rest.remove_suffix(1);
    CopyValue(rest, value);
}

// The tags a line holds. Every tag starts with '<', so one pass over the
// line's '<' bytes finds them all, wherever they stand.
struct LineTags {
    bool name = false, url = false, option = false, time = false, size = false, comment = false;
};

LineTags FindTags(std::string_view line)
{
    LineTags tags;
    for (size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
        std::string_view from = line.substr(at);
        auto startsWith = [from](std::string_view tag) { return from.substr(0, tag.size()) == tag; };
        // The byte after '<' picks the one tag that can start here.
        switch (from.size() > 1 ? from[1] : '\0') {
        case 'N': tags.name = tags.name || startsWith("<NAME>"); break;
        case 'U': tags.url = tags.url || startsWith("<URL>"); break;
        case 'O': tags.option = tags.option || startsWith("<OPTION>"); break;
        case 'T': tags.time = tags.time || startsWith("<TIME>"); break;
        case 'S': tags.size = tags.size || startsWith("<SIZE>"); break;
        case 'C': tags.comment = tags.comment || startsWith("<COMMENT>"); break;
        default: break;
        }
    }
    return tags;
}

struct CurrentValues {
    std::string name, url, size, date, brows, meta, proxy, comment;
};

// Where each option key first occurs in an option line (npos when absent).
struct OptionKeys {
    size_t brows = std::string_view::npos, metaUse = std::string_view::npos, metaType = std::string_view::npos,
           metaName = std::string_view::npos, metaContent = std::string_view::npos, proxy = std::string_view::npos;
};

// Every key holds exactly one '=', so one pass over the line's '=' bytes,
// looking at the bytes around each, finds the first occurrence of every key:
// the same places as searching the line once per key, in one pass.
OptionKeys FindOptionKeys(std::string_view line)
{
    OptionKeys keys;
    auto keyEndsAt = [line](size_t equals, std::string_view key, size_t& found) {
        const size_t before = key.find('=');
        if (found == std::string_view::npos && equals >= before &&
            line.substr(equals - before, key.size()) == key)
            found = equals - before;
    };
    for (size_t at = line.find('='); at != std::string_view::npos; at = line.find('=', at + 1)) {
        keyEndsAt(at, "Brows=", keys.brows);
        keyEndsAt(at, "META=USE", keys.metaUse);
        keyEndsAt(at, "mTYPE=", keys.metaType);
        keyEndsAt(at, "mNAME=", keys.metaName);
        keyEndsAt(at, "mCONTENT=", keys.metaContent);
        keyEndsAt(at, "Proxy=", keys.proxy);
    }
    return keys;
}

// The option value of a key found at `at`: up to a space, CR, LF or the end
// of the line; empty when the key is absent.
std::string_view OptionValueAt(std::string_view line, size_t at, std::string_view key)
{
    if (at == std::string_view::npos)
        return {};
    std::string_view rest = line.substr(at + key.size());
    // A plain loop: find_first_of would search the three stop bytes once for
    // every byte of the value.
    size_t stop = 0;
    while (stop < rest.size() && rest[stop] != ' ' && rest[stop] != '\r' && rest[stop] != '\n')
        ++stop;
    return rest.substr(0, stop);
}

void TakeOptionLine(std::string_view line, CurrentValues& v)
{
    const OptionKeys keys = FindOptionKeys(line);
    CopyValue(OptionValueAt(line, keys.brows, "Brows="), v.brows);
    Concatenate({"0;;0;;0;;0;;", keys.metaUse != std::string_view::npos ? "1" : "0", ";;",
                 OptionValueAt(line, keys.metaType, "mTYPE="), ";;", OptionValueAt(line, keys.metaName, "mNAME="), ";;",
                 OptionValueAt(line, keys.metaContent, "mCONTENT=")},
                v.meta);

    v.proxy.clear();
    if (keys.proxy != std::string_view::npos)
        BuildProxySetting(OptionValueAt(line, keys.proxy, "Proxy="), v.proxy);
}

// A URL holding "file://" anywhere loses its first six bytes to "File://".
void RewriteFileUrl(std::string& url)
{
    if (Holds(url, "file://"))
        url.replace(0, 6, "File://");
}

// The record: the fields separated by tabs, four more after the update date
// for the empty fields 5 to 8, and a line feed at the end.
void FormatRecord(const CurrentValues& v, std::string& record)
{
    Concatenate({v.name, "\t", v.url, "\t", v.size, "\t", v.date, "\t\t\t\t\t", v.brows, "\t", v.meta, "\t",
                 v.proxy, "\t", v.comment, "\n"},
                record);
}

void ShowCannotSave(const std::string& datPath)
{
    ShowMessageBox(nullptr, datPath + kCannotSaveSuffix, kErrorCaption, kBoxError);
}

void ShowCannotOpen(const std::string& listPath)
{
    ShowMessageBox(nullptr, listPath + kCannotOpenListSuffix, kErrorCaption, kBoxError);
}

}  // namespace

void GetTagValue(std::string_view line, std::string& value, std::string_view tag)
{
    if (Holds(line, tag))
        TakeTagValue(line, value);
}

void GetOptionValue(std::string_view line, std::string& value, std::string_view key)
{
    size_t at = line.find(key);
    if (at != std::string_view::npos)
        value.assign(OptionValueAt(line, at, key));
}

int ConvertItemList(const std::string& listPath, const std::string& folderPath)
{
    TextLineReader list;
    if (!list.Open(listPath)) {
        ShowCannotOpen(listPath);
        return 0;
    }
    const std::string datPath = folderPath + "\\Item.dat";
    TextLineWriter dat;
    if (!dat.Open(datPath)) {
        ShowCannotSave(datPath);
        return 0;
    }

    CurrentValues v;
    std::string_view line;
    std::string record;
    while (list.ReadLine(line)) {
        const LineTags tags = FindTags(line);
        if (tags.name)
            TakeTagValue(line, v.name);
        if (tags.url)
            TakeTagValue(line, v.url);
        if (tags.option)
            TakeOptionLine(line, v);
        if (tags.time) {
            GetRestOfLine(line, v.date);
            if (Holds(v.date, "no date"))
                v.date.clear();
        }
        if (tags.size) {
            GetRestOfLine(line, v.size);
            if (Holds(v.size, "no size"))
                v.size.clear();
        }
        if (tags.comment) {
            GetRestOfLine(line, v.comment);
            if (!importOptions.importDate)
                v.date.clear();
            if (!importOptions.importSize)
                v.size.clear();
            if (!importOptions.importProxy)
                v.proxy.clear();
            if (!importOptions.importMeta)
                v.meta.clear();
            if (!importOptions.importComment)
                v.comment.clear();
            RewriteFileUrl(v.url);
            FormatRecord(v, record);
            dat.Write(record);
            if (!dat.Ok())
                break;
        }
    }

    // A read error must not pass for the end of the list, nor a lost write
    // (a full disk) for a saved file.
    if (list.HadError()) {
        ShowCannotOpen(listPath);
        return 0;
    }
    if (!dat.Close()) {
        ShowCannotSave(datPath);
        return 0;
    }
    return 1;
}
