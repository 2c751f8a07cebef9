// A tree file lists the collection's folders depth first, one per line,
// nested by leading spaces; ':' or '*' ends the name, a backslash ends the
// line:
//
//    Work
//     Tools:x        -> Work\Tools, items from Tools.wls
//      Web*y         -> Work\Tools\Web, items from Web.wls
//    Home\12         -> Home, items from Home.wls
//
// Each line creates one folder, below the latest line one level up, and
// converts the item list of its name, which lies beside the tree file.
#include "tree_walk.h"

#include "file_system.h"
#include "item_list.h"
#include "lead_bytes.h"
#include "messages.h"
#include "text_lines.h"

#include <vector>

namespace {

// A name that would lead out of the destination folder.
bool LeavesFolder(std::string_view name)
{
    size_t start = 0;
    while (start <= name.size()) {
        size_t slash = name.find('/', start);
        if (slash == std::string_view::npos)
            slash = name.size();
        if (name.substr(start, slash - start) == "..")
            return true;
        start = slash + 1;
    }
    return false;
}

}  // namespace

int ParseTreeLine(std::string_view line, std::string& name)
{
    if (line.empty())
        return -1;
    // The first backslash that starts a character ends the line; a lead byte
    // takes its trail byte (which may be 0x5C) with it.
    for (size_t i = 0; i < line.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (IsLeadByte(c)) {
            ++i;
        } else if (c == '\\') {
            line = line.substr(0, i);
            break;
        }
    }
    size_t depth = line.find_first_not_of(' ');
    if (depth == std::string_view::npos)
        depth = line.size();
    std::string_view rest = line.substr(depth);
    name.assign(rest.substr(0, rest.find_first_of(":*")));
    return static_cast<int>(depth);
}

std::string GetParentFolder(std::string_view path)
{
    size_t last = path.rfind('\\');
    if (last == std::string_view::npos)
        return ".";
    return std::string(path.substr(0, last));
}

int CountLines(const std::string& path)
{
    TextLineReader file;
    if (!file.Open(path))
        return -1;
    int count = 0;
    std::string line;
    while (file.ReadLine(line))
        ++count;
    return count;
}

std::string FormatProgress(int done, int total)
{
    // The division comes first, as users have always seen it (29 of 100 lines
    // shows 28). A total that no longer matches the file shows at most 100.
    // No lines done (or a count below zero) shows 0: a negative count would
    // give a negative percentage, or one beyond the range of an int.
    int percent = 100;
    if (total > 0 && done < total)
        percent = done <= 0 ? 0 : static_cast<int>(static_cast<double>(done) / total * 100.0);
    return kProgressPrefix + std::to_string(percent) + kProgressSuffix;
}

int ImportTree(WindowHandle owner, const std::string& treePath, const std::string& destFolder)
{
    const int total = CountLines(treePath);
    TextLineReader tree;
    if (!tree.Open(treePath)) {
        ShowMessageBox(owner, kCannotOpenTree, kErrorCaption, kBoxError);
        return 0;
    }
    const std::string listFolder = GetParentFolder(treePath);

    // levels[d] is the name of the latest line of depth d; levels[0] the
    // destination. It grows with the deepest line seen.
    std::vector<std::string> levels{destFolder};
    int done = 0;
    std::string line;
    std::string name;
    std::string folderPath;
    while (tree.ReadLine(line)) {
        if (!line.empty())
            line.pop_back();  // the line feed, or the last character of the file
        int depth = ParseTreeLine(line, name);
        if (depth >= 0) {
            // A folder always lies below the destination, never in its place.
            if (depth == 0)
                depth = 1;
            if (levels.size() <= static_cast<size_t>(depth))
                levels.resize(depth + 1);
            levels[depth] = name;

            folderPath = levels[0];
            for (int d = 1; d <= depth; ++d)
                folderPath.append("\\").append(levels[d]);
            if (LeavesFolder(name)) {
                ShowMessageBox(nullptr, folderPath + "\\Item.dat" + kCannotSaveSuffix, kErrorCaption, kBoxError);
                return 0;
            }
            CreateFolder(folderPath);
            if (!ConvertItemList(listFolder + "\\" + name + ".wls", folderPath))
                return 0;
        }
        ++done;
        SetStatusText(FormatProgress(done, total));
    }
    if (tree.HadError()) {
        ShowMessageBox(owner, kCannotOpenTree, kErrorCaption, kBoxError);
        return 0;
    }
    return 1;
}
