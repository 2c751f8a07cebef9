// File helpers shared by the engine tests. Every path is a backslash byte path
// in the ANSI code page, the form the engine itself uses; files are written and
// read back through the engine's own file layer.
#pragma once

#include <string>
#include <vector>

// Writes bytes exactly as given (no line-end translation). False on failure.
bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole file as bytes; empty when it cannot be opened.
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
bool FolderExists(const std::string& path);

struct FolderEntry {
    std::string name;   // in the ANSI code page
    bool isFolder = false;

    bool operator<(const FolderEntry& other) const { return name < other.name; }
    bool operator==(const FolderEntry& other) const
    {
        return name == other.name && isFolder == other.isFolder;
    }
};

// The entries of a folder, sorted by name, without "." and "..".
std::vector<FolderEntry> ListFolder(const std::string& path);

// Every file below root, as relative backslash paths, sorted; folders end in
// a backslash.
std::vector<std::string> ListTree(const std::string& root);

// The same for a folder given by its path in the system's own form (for files
// of the source tree, whose names are stored as UTF-8): relative paths with
// '/' separators, folders ending in '/'.
std::vector<std::string> ListNativeTree(const std::string& nativeRoot);
std::string ReadNativeFile(const std::string& nativePath);
// The separator of the system's own paths.
#ifdef _WIN32
constexpr char kNativeSeparator = '\\';
#else
constexpr char kNativeSeparator = '/';
#endif

// Deletes a folder and everything in it; best effort.
void RemoveTree(const std::string& path);

// A file name as stored in the repository (UTF-8) converted to the ANSI code
// page (CP932) that the engine's paths use. On Windows the system does this
// when it lists the folder, so the name comes back unchanged.
std::string RepositoryNameToAnsi(const std::string& name);

// A path from the build (forward slashes, as CMake writes them) in the
// engine's backslash form.
std::string ToEnginePath(std::string path);

// A new empty folder below the system's temporary folder (TEMP on Windows,
// TMPDIR or /tmp elsewhere), removed again with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\" + name
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};
