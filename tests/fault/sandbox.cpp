#include "sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

Sandbox::Sandbox()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/ruzoziv-fault-XXXXXX";
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "cannot create " << pattern;
    root_ = pattern;
    fs::create_directory(Old());
    fs::create_directory(Dest());
}

Sandbox::~Sandbox()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string Sandbox::Old(const std::string& name) const
{
    return root_ + "/old" + (name.empty() ? "" : "/" + name);
}

std::string Sandbox::Dest(const std::string& name) const
{
    return root_ + "/dest" + (name.empty() ? "" : "/" + name);
}

std::map<std::string, std::string> Sandbox::Outside() const
{
    std::map<std::string, std::string> entries;
    const fs::path dest = Dest();
    for (auto it = fs::recursive_directory_iterator(root_); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path& path = it->path();
        std::string relative = fs::relative(path, root_).string();
        if (path == dest) {
            it.disable_recursion_pending();
            continue;
        }
        auto status = it->symlink_status();
        if (fs::is_symlink(status))
            entries[relative] = "-> " + fs::read_symlink(path).string();
        else if (fs::is_directory(status))
            entries[relative] = "<folder>";
        else if (fs::is_fifo(status))
            entries[relative] = "<fifo>";
        else
            entries[relative] = ReadFile(path.string());
    }
    return entries;
}

std::string EnginePath(const std::string& nativePath)
{
    std::string path = nativePath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

void WriteFile(const std::string& nativePath, const std::string& bytes)
{
    std::ofstream out(nativePath, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << nativePath;
}

std::string ReadFile(const std::string& nativePath)
{
    std::ifstream in(nativePath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool Exists(const std::string& nativePath)
{
    std::error_code ignored;
    return fs::exists(fs::symlink_status(nativePath, ignored));
}

size_t CountRecords(const std::string& itemDat)
{
    size_t count = 0;
    for (size_t at = itemDat.find("\r\n"); at != std::string::npos; at = itemDat.find("\r\n", at + 2))
        ++count;
    return count;
}

std::string ItemList(int items)
{
    std::string list;
    for (int i = 0; i < items; ++i) {
        std::string n = std::to_string(i);
        list += "<NAME>Page " + n + "\r\n<URL>http://www.example.co.jp/~user/" + n + ".html\r\n" +
                "<OPTION>Brows=0 META=USE mTYPE=http-equiv mNAME=Last-Modified mCONTENT=x\r\n" +
                "<TIME>2001/02/03 04:05\r\n<SIZE>" + n + "\r\n<COMMENT>item " + n + "\r\n";
    }
    return list;
}
