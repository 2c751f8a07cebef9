// Files and folders for the UI cases: fixtures written as bytes, copies of
// the example collection, and byte-for-byte comparison of output trees.
// Paths are ANSI (Shift-JIS) byte strings with backslashes.
#pragma once

#include <set>
#include <string>

bool WriteBytes(const std::string& path, const std::string& bytes);
bool ReadBytes(const std::string& path, std::string& bytes);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool FolderIsEmpty(const std::string& path);
// Creates the folder and any missing parents.
bool MakeFolders(const std::string& path);
// A new empty folder below base whose name starts with prefix.
std::string NewFolder(const std::string& base, const std::string& prefix);
// Copies every file and folder below from into to (which must exist).
bool CopyTree(const std::string& from, const std::string& to);
// Compares two trees: the same folders and files with the same bytes.
// Returns an empty text when they match, else what differs. Relative paths
// in skip (e.g. "Item.dat") are left out on the expected side.
std::string CompareTrees(const std::string& actual, const std::string& expected,
                         const std::set<std::string>& skip = {});
// Joins a folder and a name with one backslash.
std::string JoinPath(const std::string& folder, const std::string& name);
