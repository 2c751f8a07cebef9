#include "test_files.h"

#include "file_system.h"
#include "lead_bytes.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    FileHandle file = OpenFile(path, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && ok;
}

std::string ReadBytes(const std::string& path)
{
    FileHandle file = OpenFile(path, "rb");
    std::string bytes;
    if (!file)
        return bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, got);
    return bytes;
}

bool FileExists(const std::string& path)
{
    return OpenFile(path, "rb") != nullptr;
}

std::string ToEnginePath(std::string path)
{
#ifdef _WIN32
    // A Linux path seen from a Windows build run under Wine: drive Z: is /.
    if (!path.empty() && path[0] == '/')
        path.insert(0, "Z:");
#endif
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

#ifdef _WIN32

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static std::string NativePath(const std::string& path)
{
    return path;
}

static std::vector<FolderEntry> ListNativeFolder(const std::string& path)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return entries;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(entries.begin(), entries.end());
    return entries;
}

static void RemoveNativeTree(const std::string& path)
{
    for (const FolderEntry& entry : ListNativeFolder(path)) {
        std::string child = path + "\\" + entry.name;
        if (entry.isFolder)
            RemoveNativeTree(child);
        else
            DeleteFileA(child.c_str());
    }
    RemoveDirectoryA(path.c_str());
}

std::string RepositoryNameToAnsi(const std::string& name)
{
    return name;
}

static std::string TempBase()
{
    const char* temp = std::getenv("TEMP");
    return temp && *temp ? temp : "C:\\Windows\\Temp";
}

static int ProcessId()
{
    return _getpid();
}

#else

// The engine's own rule: separator backslashes become '/', a 0x5C that is
// the trail byte of a double-byte character stays.
static std::string NativePath(const std::string& path)
{
    std::string native = path;
    for (size_t i = 0; i < native.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(native[i])))
            ++i;
        else if (native[i] == '\\')
            native[i] = '/';
    }
    return native;
}

bool FolderExists(const std::string& path)
{
    struct stat info;
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

static std::vector<FolderEntry> ListNativeFolder(const std::string& path)
{
    std::vector<FolderEntry> entries;
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return entries;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        struct stat info;
        if (name != "." && name != "..")
            entries.push_back({name, stat((path + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode)});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end());
    return entries;
}

static void RemoveNativeTree(const std::string& path)
{
    for (const FolderEntry& entry : ListNativeFolder(path)) {
        std::string child = path + "/" + entry.name;
        if (entry.isFolder)
            RemoveNativeTree(child);
        else
            unlink(child.c_str());
    }
    rmdir(path.c_str());
}

std::string RepositoryNameToAnsi(const std::string& name)
{
    iconv_t convert = iconv_open("CP932", "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1))
        return name;
    std::string in = name;
    std::string out(name.size() * 2 + 4, '\0');
    char* from = in.data();
    size_t fromLeft = in.size();
    char* to = out.data();
    size_t toLeft = out.size();
    size_t result = iconv(convert, &from, &fromLeft, &to, &toLeft);
    iconv_close(convert);
    if (result == static_cast<size_t>(-1))
        return name;
    out.resize(out.size() - toLeft);
    return out;
}

static std::string TempBase()
{
    const char* temp = std::getenv("TMPDIR");
    return ToEnginePath(temp && *temp ? temp : "/tmp");
}

static int ProcessId()
{
    return static_cast<int>(getpid());
}

#endif

bool RemoveFile(const std::string& path)
{
#ifdef _WIN32
    return DeleteFileA(path.c_str()) != 0;
#else
    return unlink(NativePath(path).c_str()) == 0;
#endif
}

std::vector<FolderEntry> ListFolder(const std::string& path)
{
    return ListNativeFolder(NativePath(path));
}

// Relative paths below a folder, formed with the separator given.
static void CollectTree(const std::string& nativeFolder, const std::string& prefix, char separator,
                        std::vector<std::string>& out)
{
    for (const FolderEntry& entry : ListNativeFolder(nativeFolder)) {
        std::string path = prefix + entry.name;
        if (entry.isFolder) {
            out.push_back(path + separator);
            CollectTree(nativeFolder + kNativeSeparator + entry.name, path + separator, separator, out);
        } else {
            out.push_back(path);
        }
    }
}

void RemoveTree(const std::string& path)
{
    RemoveNativeTree(NativePath(path));
}

std::vector<std::string> ListTree(const std::string& root)
{
    std::vector<std::string> paths;
    CollectTree(NativePath(root), "", '\\', paths);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> ListNativeTree(const std::string& nativeRoot)
{
    std::vector<std::string> paths;
    CollectTree(nativeRoot, "", '/', paths);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ReadNativeFile(const std::string& nativePath)
{
    std::string bytes;
    std::FILE* file = std::fopen(nativePath.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    std::string base = TempBase();
    while (!base.empty() && base.back() == '\\')
        base.pop_back();
    std::mt19937 random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = base + "\\ruzoziv-test-" + std::to_string(ProcessId()) + "-" +
                                std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
        if (CreateFolder(candidate)) {
            path_ = candidate;
            return;
        }
    }
    std::fprintf(stderr, "cannot create a temporary folder below %s\n", base.c_str());
    std::abort();
}

TempFolder::~TempFolder()
{
    if (!std::getenv("RUZOZIV_KEEP_TEMP"))
        RemoveTree(path_);
}
