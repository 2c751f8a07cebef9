// A scratch folder for the fault tests, holding an old-layout collection
// ("old") and a destination ("dest"), with a snapshot of everything outside
// the destination so a test can show that nothing there changed.
#pragma once

#include <map>
#include <string>

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // Native paths.
    const std::string& Root() const { return root_; }
    std::string Old(const std::string& name = "") const;
    std::string Dest(const std::string& name = "") const;

    // Every entry below the root but outside dest: relative path -> content
    // of a file, "<folder>", "<fifo>" or "-> target" of a symbolic link.
    std::map<std::string, std::string> Outside() const;

private:
    std::string root_;
};

// A native path in the engine's form (backslash separators).
std::string EnginePath(const std::string& nativePath);

void WriteFile(const std::string& nativePath, const std::string& bytes);
std::string ReadFile(const std::string& nativePath);
bool Exists(const std::string& nativePath);

// Records in an Item.dat: its CR LF pairs.
size_t CountRecords(const std::string& itemDat);

// A list of `items` items whose records are each about 100 bytes.
std::string ItemList(int items);
