#include "file_helpers.h"

#include "text_output.h"

#include <windows.h>

#include <map>

namespace {

struct HandleCloser {
    HANDLE handle;
    ~HandleCloser() { if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
};

// Relative path -> true for a folder, false for a file, for the whole tree.
void ListTree(const std::string& root, const std::string& relative, std::map<std::string, bool>& entries)
{
    WIN32_FIND_DATAA found;
    std::string pattern = JoinPath(relative.empty() ? root : JoinPath(root, relative), "*");
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = relative.empty() ? name : relative + "\\" + name;
        bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries[path] = folder;
        if (folder)
            ListTree(root, path, entries);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HandleCloser file{CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    return WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool ReadBytes(const std::string& path, std::string& bytes)
{
    HandleCloser file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.handle, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return true;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderIsEmpty(const std::string& path)
{
    std::map<std::string, bool> entries;
    ListTree(path, "", entries);
    return entries.empty();
}

bool MakeFolders(const std::string& path)
{
    if (FolderExists(path))
        return true;
    size_t cut = path.find_last_of('\\');
    if (cut != std::string::npos && cut > 0 && path[cut - 1] != ':' && !MakeFolders(path.substr(0, cut)))
        return false;
    return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

std::string NewFolder(const std::string& base, const std::string& prefix)
{
    for (int n = 1; n < 10000; ++n) {
        std::string path = JoinPath(base, prefix + std::to_string(n));
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return {};
}

bool CopyTree(const std::string& from, const std::string& to)
{
    std::map<std::string, bool> entries;
    ListTree(from, "", entries);
    if (entries.empty())
        return false;
    // A map orders a folder before everything inside it.
    for (const auto& [relative, folder] : entries) {
        std::string target = JoinPath(to, relative);
        bool ok = folder ? MakeFolders(target)
                         : CopyFileA(JoinPath(from, relative).c_str(), target.c_str(), FALSE) != 0;
        if (!ok)
            return false;
    }
    return true;
}

std::string CompareTrees(const std::string& actual, const std::string& expected, const std::set<std::string>& skip)
{
    std::map<std::string, bool> have, want;
    ListTree(actual, "", have);
    ListTree(expected, "", want);
    for (const std::string& s : skip)
        want.erase(s);
    std::string differences;
    for (const auto& [relative, folder] : want) {
        auto it = have.find(relative);
        if (it == have.end()) {
            differences += "  missing: " + relative + "\n";
        } else if (it->second != folder) {
            differences += "  file and folder swapped: " + relative + "\n";
        } else if (!folder) {
            std::string a, b;
            if (!ReadBytes(JoinPath(actual, relative), a) || !ReadBytes(JoinPath(expected, relative), b))
                differences += "  unreadable: " + relative + "\n";
            else if (a != b)
                differences += "  content differs: " + relative + "\n    expected \"" + b + "\"\n    actual   \"" + a + "\"\n";
        }
    }
    for (const auto& [relative, folder] : have)
        if (!want.count(relative))
            differences += "  not expected: " + relative + "\n";
    return differences;
}
